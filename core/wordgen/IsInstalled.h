#pragma once

#include <QString>

#include <functional>

class WordEngine;

// The start-up check: gets one office instance started (the one the engine may have begun
// starting ahead) and gives it back unused, for the first build. Returns true when that
// worked. Otherwise it shows the advice with one last line naming the real cause
// (the only window the user sees) and returns false: the program must then end without
// showing its main window. When the program is closing meanwhile (closing() says so: it
// was told to end while it waited, which stops the office), it returns false quietly.
// Never throws.
bool CheckWordAvailable(WordEngine &engine, const std::function<bool()> &closing = {});

// The advice shown when no office instance can be started.
QString WordUnavailableAdvice();
