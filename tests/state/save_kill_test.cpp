// The saved game under SIGKILL: a child plays a game that saves after every
// command while the parent kills it at random moments. After each kill, once
// the next start has finished or forgotten the interrupted save, every state
// file is whole and registers and objects come from the same save.
#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include "script/run_script.h"
#include "state/state_files.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

TEST(SaveUnderKill, EveryKillLeavesOneWholeSave) {
  testing::TempGame game;
  game.WriteScript("cmd", {"reg+ 1,1", "settagobj= lamp,#1"});
  game.WriteRegisters({"", "0", "", "", "", "", "", "", "", "", ""});
  game.WriteLines("aventura.obz", {"lamp"});
  game.WriteLines("aventura.obx", {"lamp", "lampada", "", "sala", "", "0", "", ""});
  std::mt19937 random(16);
  std::uniform_int_distribution<int> moment(0, 100000);  // microseconds after the start
  const int kKills = 200;
  int killed = 0, rolledForward = 0, consistent = 0;
  long lastCount = 0;
  for (int i = 0; i < kKills; ++i) {
    int finished[2];
    ASSERT_EQ(pipe(finished), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // The game starts again (finishing or forgetting a save cut short) and
      // plays one command after another, each run ending in a save handed to
      // the writer; every tenth run it waits for the disk, as a restart does,
      // and tells the count then on disk.
      close(finished[0]);
      testing::Session s{game};
      for (int run = 1;; ++run) {
        RunScript(s.f, "cmd");
        if (run % 10) continue;
        s.f.writer.Flush();
        const long count = std::stol(s.Reg(1));
        if (write(finished[1], &count, sizeof count) != sizeof count) _exit(1);
      }
    }
    close(finished[1]);
    usleep(static_cast<useconds_t>(moment(random)));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) ++killed;
    long onDisk = -1;
    for (long count = 0; read(finished[0], &count, sizeof count) == sizeof count;) onDisk = count;
    close(finished[0]);
    if (RecoverInterruptedSave(game.folder(), "aventura")) ++rolledForward;
    const StringList rgs = game.StateLines(".rgs"), obx = game.StateLines(".obx");
    ASSERT_EQ(rgs.size(), 11u) << "kill " << i;
    ASSERT_EQ(obx.size(), 8u) << "kill " << i;
    if (rgs[1] == obx[5]) ++consistent;
    else ADD_FAILURE() << "kill " << i << ": register " << rgs[1] << ", object tag " << obx[5];
    const long count = std::stol(rgs[1]);
    EXPECT_GE(count, lastCount) << "kill " << i;  // a save never goes back
    // A save known to be on disk is never undone by the later ones the kill
    // cut short or the writer had not begun.
    EXPECT_GE(count, onDisk) << "kill " << i;
    lastCount = count;
  }
  EXPECT_EQ(killed, kKills);
  EXPECT_EQ(consistent, kKills);
  EXPECT_GT(lastCount, 0);  // the game did play between the kills
  std::printf("kills %d, consistent %d, rolled forward at start %d, commands saved %ld\n", killed, consistent,
              rolledForward, lastCount);
}

}  // namespace
}  // namespace lumora
