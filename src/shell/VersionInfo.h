#pragma once
// Reads the program's own product name, version and legal notice from the version
// resource of its executable.
class Desktop;
struct TVersionInfo;

// Fills `info` from the executable's version resource, in the language and code page of
// its first translation. Whatever is missing (the resource, its translation, a string)
// leaves the fields concerned empty. FileVersion loses its last "." part: 2.5.1.0 is
// shown as 2.5.1.
void ReadVersionInfo(Desktop& desktop, TVersionInfo& info);
