// The names users give unknown GEDCOM tags: asked once per tag through the
// naming dialog and remembered for the rest of the program's run, across
// imports. A tag left unnamed keeps its own text.
#pragma once

#include <string>

class IGedTagNamer;

// The name to use for tag. Without ask, or without a namer, the tag itself;
// otherwise the remembered name, or the namer's answer (the tag when it
// answers nothing), which is then remembered.
std::string TranslateTag(const std::string& tag, const std::string& sample, bool ask, IGedTagNamer* namer);

// Forgets every name (a fresh start of the program, for tests).
void ForgetTagNames();
