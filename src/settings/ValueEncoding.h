#pragma once
// The encoding of memo texts (several lines) into one value line of the settings file,
// shared by the single values and the lists.
#include <string>
#include <string_view>

// Every lone CR or LF turned into CR LF, the memo's own line break.
std::string NormalizeLineBreaks(std::string_view text);

// "\" becomes "\\", then every line break becomes "\n". Lone CRs and LFs count as line
// breaks, so no raw line break can reach the file and split the value.
std::string EncodeMemoText(std::string_view text);

// The inverse, in three steps: "\\" becomes "\%", "\n" becomes CR LF, "\%" becomes "\".
std::string DecodeMemoText(std::string_view stored);
