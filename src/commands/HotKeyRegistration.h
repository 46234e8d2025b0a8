#pragma once
// Registration of every hot key of the program against one window, under fixed ids: the
// six global actions from 0xBFFF down to 0xBFFA, and each command under its list index.
#include <string>

#include "platform/Desktop.h"

class CCustomOption;
class CGridOption;

constexpr int kHotKeyIdTranslucent = 0xBFFF;
constexpr int kHotKeyIdGetInfo = 0xBFFE;
constexpr int kHotKeyIdUp = 0xBFFD;
constexpr int kHotKeyIdDown = 0xBFFC;
constexpr int kHotKeyIdLeft = 0xBFFB;
constexpr int kHotKeyIdRight = 0xBFFA;

// Registers one hot-key text under `id`; a text that names no key registers nothing.
void RegisterOneHotKey(Desktop& desktop, WindowHandle window, int id, const std::string& text);
// The global hot keys in id order, then the commands'. A combination already taken (by an
// earlier id or another program) silently stays with its holder.
void RegisterAllHotKeys(Desktop& desktop, CCustomOption& options, CGridOption& commands,
                        WindowHandle window);
// Withdraws the same ids; the command count is the list's as it is now.
void UnregisterAllHotKeys(Desktop& desktop, CGridOption& commands, WindowHandle window);
