#include "core/Prompter.h"

IPrompter::~IPrompter() = default;

PromptAnswer TScriptedPrompter::Ask(PromptKind kind, const std::string& text,
                                    PromptButtons buttons) {
  asked.push_back({kind, text, buttons});
  if (!answers.empty()) {
    const PromptAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  switch (buttons) {
    case PromptButtons::Ok: return PromptAnswer::Ok;
    case PromptButtons::Abort: return PromptAnswer::Abort;
    default: return PromptAnswer::Yes;
  }
}

namespace {
TScriptedPrompter& DefaultPrompter() {
  static TScriptedPrompter prompter;
  return prompter;
}
IPrompter* current = nullptr;
}  // namespace

IPrompter& Prompter() { return current ? *current : DefaultPrompter(); }
void SetPrompter(IPrompter* prompter) { current = prompter; }

void ShowInformation(const std::string& text) {
  Prompter().Ask(PromptKind::Information, text, PromptButtons::Ok);
}
void ShowWarning(const std::string& text) {
  Prompter().Ask(PromptKind::Warning, text, PromptButtons::Ok);
}
void ShowErrorBox(const std::string& text) {
  Prompter().Ask(PromptKind::Error, text, PromptButtons::Ok);
}
void ShowError(const std::string& text) {
  Prompter().Ask(PromptKind::Error, text, PromptButtons::Abort);
}
bool ConfirmYesNo(const std::string& text) {
  return Prompter().Ask(PromptKind::Confirmation, text, PromptButtons::YesNo) == PromptAnswer::Yes;
}
