// The rain: "chuva=" settings, the frame each tick composes (drops, mask,
// Hud), the drops' period, and the timer that RunScript stops.
#include <gtest/gtest.h>

#include <numeric>

#include "script/run_script.h"
#include "shell/lifecycle.h"
#include "support/temp_game.h"
#include "view/picture_test_files.h"
#include "view/rain.h"
#include "view/surfaces.h"

namespace lumora {
namespace {

QRgb At(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }

constexpr int W = 40, H = 30;
constexpr QRgb kStill = 0xFF0000, kDrop = 0x0000FF;

class RainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResizeScreen(s.f, W, H, 0x000000);
    s.f.screenBuffer.fill(0xFF000000 | kStill);
    // One drop per row, each row's drop in another column: every fall shows.
    QImage drops = testing::Plain(W, H, 0xFFFF00FF);
    for (int y = 0; y < H; ++y) drops.setPixel(y, y, 0xFF000000 | kDrop);
    ASSERT_TRUE(testing::Save(drops, game.folder() + "gotas.bmp", "BMP"));
    ASSERT_TRUE(testing::Save(testing::Plain(W, H, 0xFF000000 | kDrop), game.folder() + "chuvarada.bmp", "BMP"));
    QImage mask = testing::Plain(W, H, 0xFFFFFFFF);
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W / 2; ++x) mask.setPixel(x, y, 0xFFFF00FF);
    mask.setPixel(30, 0, 0xFF00FF00);  // a green spot painted over the rain
    ASSERT_TRUE(testing::Save(mask, game.folder() + "mascara.bmp", "BMP"));
  }
  void Start(const StringList& lines) {
    for (const auto& line : lines) s.Exec({line});
  }
  // The columns of the drops in each row of Tela.
  std::vector<int> DropColumns() const {
    std::vector<int> out;
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x)
        if (At(s.f.Tela.picture, x, y) == kDrop) out.push_back(x);
    return out;
  }

  testing::TempGame game;
  testing::Session s{game};
};

TEST(RainStep, TakesAnyStepModuloTheHeight) {
  const struct {
    int step, height, want;
  } cases[] = {
      {20, 271, 20}, {0, 271, 0}, {271, 271, 0}, {291, 271, 20}, {-5, 271, 266}, {-542, 271, 0}, {7, 0, 0},
      {INT32_MIN, 256, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(RainStep(c.step, c.height), c.want) << c.step << " " << c.height;
}

TEST_F(RainTest, SettingsAndTheirTraces) {
  const struct {
    const char* line;
    const char* trace;
  } cases[] = {
      {"chuva= nada.bmp", "nada.bmp <--- arquivo n\xE3o existe"},
      {"chuva= gotas.bmp", "gotas.bmp"},
      {"chuva= int", ",40"},
      {"chuva= int,30", ",30"},
      {"chuva= wgotas,x", "wgotas,20"},
      {"chuva= wgotas,12", "wgotas,12"},
      {"chuva= mask,nada.bmp", "mask,nada.bmp <--- arquivo n\xE3o existe"},
      {"chuva= mask,mascara.bmp", "mask,mascara.bmp"},
      {"chuva= on", "on"},
      {"chuva= off", "off"},
  };
  for (const auto& c : cases) EXPECT_EQ(s.Exec({c.line}), std::string("   0: chuva= ") + c.trace);
  EXPECT_EQ(s.f.rainPicture, "gotas.bmp");
  EXPECT_EQ(s.f.rainMask, "mascara.bmp");
  EXPECT_EQ(s.f.Chuva.interval, 30);
  EXPECT_EQ(s.f.Chuva.tag, 12);
  s.Exec({"chuva= mask"});
  EXPECT_EQ(s.f.rainMask, "");
  // Outside model 1 the command does nothing.
  s.f.Modelo = "2";
  EXPECT_EQ(s.Exec({"chuva= on"}), "   0: chuva= ");
  EXPECT_FALSE(s.f.Chuva.enabled);
}

TEST_F(RainTest, OnStartsTheTimerOnlyWithAPictureAndOffStopsIt) {
  s.Exec({"chuva= on"});
  EXPECT_FALSE(s.platform.TimerRunning());
  Start({"chuva= gotas.bmp", "chuva= int,0", "chuva= on"});
  ASSERT_TRUE(s.platform.TimerRunning());
  EXPECT_TRUE(s.f.Chuva.enabled);
  EXPECT_GE(s.platform.timerInterval, 1);  // never a zero interval: no busy loop
  s.Exec({"chuva= int,25"});               // a running timer takes the new interval
  EXPECT_EQ(s.platform.timerInterval, 25);
  s.Exec({"chuva= off"});
  EXPECT_FALSE(s.platform.TimerRunning());
  EXPECT_FALSE(s.f.Chuva.enabled);
}

TEST_F(RainTest, DropsFallByTheStepAndComeBackAfterTheirPeriod) {
  Start({"chuva= gotas.bmp", "chuva= wgotas,12", "chuva= on"});
  const QImage before = s.f.screenBuffer;
  const int period = H / std::gcd(H, 12);
  std::vector<std::vector<int>> frames;
  for (int i = 0; i <= period; ++i) {
    s.platform.timerTick();
    frames.push_back(DropColumns());
  }
  ASSERT_EQ(frames[0].size(), static_cast<size_t>(H));
  // The first tick shows the drops where the picture has them; each tick after
  // it moves them 12 rows down, wrapping at the bottom.
  for (int y = 0; y < H; ++y) EXPECT_EQ(frames[0][static_cast<size_t>(y)], y);
  for (int y = 0; y < H; ++y) EXPECT_EQ(frames[1][static_cast<size_t>((y + 12) % H)], y);
  for (int i = 1; i < period; ++i) EXPECT_NE(frames[static_cast<size_t>(i)], frames[0]) << i;
  EXPECT_EQ(frames[static_cast<size_t>(period)], frames[0]);
  // The rain draws on Tela only.
  EXPECT_EQ(s.f.screenBuffer, before);
  EXPECT_GT(s.platform.repaintCount, 0);
}

TEST_F(RainTest, TheMaskHidesTheRainWhereItIsWhiteAndTheHudStaysOnTop) {
  ASSERT_TRUE(testing::Save(testing::Plain(4, 4, 0xFF00FF00), game.folder() + "hud.bmp", "BMP"));
  Start({"hud= hud.bmp", "hud= 2,3", "hud= on", "chuva= chuvarada.bmp", "chuva= mask,mascara.bmp", "chuva= on"});
  s.platform.timerTick();
  const QImage& frame = s.f.Tela.picture;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      QRgb want = x < W / 2 ? kDrop : kStill;
      if (x == 30 && y == 0) want = 0x00FF00;          // the mask's own colour
      if (x >= 2 && x < 6 && y >= 3 && y < 7) want = 0x00FF00;  // the Hud
      ASSERT_EQ(At(frame, x, y), want) << x << "," << y;
    }
}

TEST_F(RainTest, NoTickWhileAScriptRunsAndRunScriptStopsTheTimer) {
  game.WriteScript("start", {"chuva= gotas.bmp", "chuva= on"});
  game.WriteScript("sala", {"/ nada"});
  RunScript(s.f, "start");
  ASSERT_TRUE(s.platform.TimerRunning());
  const QImage shown = s.f.Tela.picture;
  ++s.f.runDepth;
  s.platform.timerTick();
  --s.f.runDepth;
  EXPECT_EQ(s.f.Tela.picture, shown);
  s.platform.timerTick();
  EXPECT_NE(s.f.Tela.picture, shown);
  const int front = s.platform.frontCount;
  RunScript(s.f, "sala");
  EXPECT_FALSE(s.platform.TimerRunning());
  EXPECT_FALSE(s.f.Chuva.enabled);
  EXPECT_EQ(s.platform.frontCount, front + 1);
  // Shutting down stops it too: no tick may draw on a form torn down.
  RunScript(s.f, "start");
  ASSERT_TRUE(s.platform.TimerRunning());
  FormDestroy(s.f);
  EXPECT_FALSE(s.platform.TimerRunning());
}

}  // namespace
}  // namespace lumora
