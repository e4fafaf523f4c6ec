#pragma once
// Every message box, question and file or folder choice goes through a Prompter.
// The program shows Qt dialogs; tests script the answers and read what was said.
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

namespace pk {

enum class MessageKind { Plain, Information, Warning, Error, Confirmation };
enum class Answer { Ok, Cancel, Yes, No };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };

class Prompter {
 public:
  virtual ~Prompter() = default;

  // A message with one OK button.
  virtual void message(MessageKind kind, const QString& text, const QString& caption = {}) = 0;
  // A question; the answer is one of the buttons offered.
  virtual Answer ask(MessageKind kind, const QString& text, Buttons buttons,
                     const QString& caption = {}) = 0;
  // File and folder choices; an empty result means the user cancelled.
  virtual QString openFileName(const QString& caption, const QString& folder,
                               const QString& filter) = 0;
  virtual QString saveFileName(const QString& caption, const QString& folder,
                               const QString& filter) = 0;
  virtual QString folderName(const QString& caption, const QString& folder) = 0;
};

// One thing the program said or asked.
struct PromptRecord {
  MessageKind kind;
  QString text;
  QString caption;
  bool question = false;
};

// Answers from a queue and records every text; when the queue is empty a question
// gets the default answer (the first button) and a file choice gets nothing.
class ScriptedPrompter : public Prompter {
 public:
  void message(MessageKind kind, const QString& text, const QString& caption = {}) override;
  Answer ask(MessageKind kind, const QString& text, Buttons buttons,
             const QString& caption = {}) override;
  QString openFileName(const QString& caption, const QString& folder,
                       const QString& filter) override;
  QString saveFileName(const QString& caption, const QString& folder,
                       const QString& filter) override;
  QString folderName(const QString& caption, const QString& folder) override;

  void queueAnswer(Answer a) { answers_.push_back(a); }
  void queueFile(const QString& path) { files_.push_back(path); }

  const std::vector<PromptRecord>& records() const { return records_; }
  QStringList texts() const;
  QString lastText() const { return records_.empty() ? QString() : records_.back().text; }
  void clear() { records_.clear(); answers_.clear(); files_.clear(); }

  // The folder and filter of the last file or folder choice.
  QString lastFolder;
  QString lastFilter;
  QString lastCaption;

  // When set, every message and question is also printed on stderr.
  bool echo = false;

 private:
  QString nextFile();
  std::vector<PromptRecord> records_;
  std::deque<Answer> answers_;
  std::deque<QString> files_;
};

}  // namespace pk
