#pragma once

#include <string>

// The localisable texts. Each getter looks its text up once per run, under
// the key "Strings." and its name, with the English text as the default, and
// keeps what it got, an empty translation included.
namespace Strings {
std::string ORIGINALTEMPO();
std::string NEWTEMPO();
std::string SEMITOTRANSPOSE();
std::string SAMPLERATE();
std::string NUMBERBEATS();
std::string LOOPLENGTH();
std::string HELP1();
std::string HELP2();
std::string HELP3();
std::string HELP4();
std::string HELP5();
std::string ABOUT();
std::string FILE();
std::string QUIT();
std::string EDIT();
std::string CUT();
std::string COPY();
std::string PASTE();
std::string DELETE();
std::string CREDITS1();
std::string CREDITS2();
std::string SELECTALL();
std::string CLOSE();
std::string LOOPLENGTHMS();
std::string DIAPASONHZ();
std::string HELP6();
std::string HELP7();
std::string TAPCOPYGLOBAL();
std::string ABOUTBUT();

// Forgets every text looked up, as at the start of a run.
void ForgetLookups();
} // namespace Strings
