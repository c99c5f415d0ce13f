// Windows-1252 text at the edges: script texts are bytes inside, UTF-8 outside.
#pragma once
#include <string>
#include <string_view>

class QString;

namespace lumora {

// Bytes 80-9F are the euro sign, curly quotes and friends, not control characters;
// the five bytes Windows leaves undefined map to the C1 controls of the same value.
std::string Utf8FromCp1252(std::string_view bytes);

// Characters outside Windows-1252 become "?". Invalid UTF-8 bytes are taken as
// Windows-1252 bytes themselves, so a name already in Windows-1252 survives.
std::string Cp1252FromUtf8(std::string_view utf8);

QString QStringFromCp1252(std::string_view bytes);
std::string Cp1252FromQString(const QString& text);

}  // namespace lumora
