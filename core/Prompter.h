// The prompter: how algorithms ask the user (warnings, errors, questions)
// without knowing the window toolkit. The Qt prompter shows message boxes
// with German buttons; the scripted prompter answers from a queue and keeps
// every text, so tests assert the exact messages.
#pragma once

#include <deque>
#include <string>
#include <vector>

enum class PromptKind { Information, Warning, Error, Confirmation };
enum class PromptButtons { Ok, Abort, YesNo, YesNoCancel, YesCancel };
enum class PromptAnswer { Ok, Abort, Yes, No, Cancel };

class IPrompter {
 public:
  virtual ~IPrompter();
  virtual PromptAnswer Ask(PromptKind kind, const std::string& text, PromptButtons buttons) = 0;
};

struct PromptRecord {
  PromptKind kind;
  std::string text;
  PromptButtons buttons;
};

// Answers in turn from `answers`; when they run out, the first button of the
// box (Ok, Abort, Yes) is taken.
class TScriptedPrompter : public IPrompter {
 public:
  PromptAnswer Ask(PromptKind kind, const std::string& text, PromptButtons buttons) override;

  std::deque<PromptAnswer> answers;
  std::vector<PromptRecord> asked;
};

IPrompter& Prompter();
// Makes prompter current (not owned); nullptr restores the default, a
// scripted prompter that takes the first button.
void SetPrompter(IPrompter* prompter);

void ShowInformation(const std::string& text);
void ShowWarning(const std::string& text);
// An error box with an OK button.
void ShowErrorBox(const std::string& text);
// An error box with a single Abort button.
void ShowError(const std::string& text);
bool ConfirmYesNo(const std::string& text);
