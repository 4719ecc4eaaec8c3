#pragma once

#include <QString>

class WordEngine;

// The start-up check: starts one office instance and quits it again. Returns true when
// that worked. Otherwise it shows the advice with one last line naming the real cause
// (the only window the user sees) and returns false: the program must then end without
// showing its main window. Never throws.
bool CheckWordAvailable(WordEngine &engine);

// The advice shown when no office instance can be started.
QString WordUnavailableAdvice();
