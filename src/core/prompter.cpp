#include "core/prompter.h"

#include <cstdio>

namespace pk {

namespace {
Answer defaultAnswer(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel: return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel: return Answer::Yes;
  }
  return Answer::Ok;
}
}  // namespace

void ScriptedPrompter::message(MessageKind kind, const QString& text, const QString& caption) {
  records_.push_back({kind, text, caption, false});
  if (echo) std::fprintf(stderr, "message: %s\n", qPrintable(text));
}

Answer ScriptedPrompter::ask(MessageKind kind, const QString& text, Buttons buttons,
                             const QString& caption) {
  records_.push_back({kind, text, caption, true});
  if (echo) std::fprintf(stderr, "question: %s\n", qPrintable(text));
  if (answers_.empty()) return defaultAnswer(buttons);
  const Answer a = answers_.front();
  answers_.pop_front();
  return a;
}

QString ScriptedPrompter::nextFile() {
  if (files_.empty()) return {};
  QString f = files_.front();
  files_.pop_front();
  return f;
}

QString ScriptedPrompter::openFileName(const QString& caption, const QString& folder,
                                       const QString& filter) {
  lastCaption = caption; lastFolder = folder; lastFilter = filter;
  return nextFile();
}

QString ScriptedPrompter::saveFileName(const QString& caption, const QString& folder,
                                       const QString& filter) {
  lastCaption = caption; lastFolder = folder; lastFilter = filter;
  return nextFile();
}

QString ScriptedPrompter::folderName(const QString& caption, const QString& folder) {
  lastCaption = caption; lastFolder = folder; lastFilter.clear();
  return nextFile();
}

QStringList ScriptedPrompter::texts() const {
  QStringList out;
  for (const auto& r : records_) out << r.text;
  return out;
}

}  // namespace pk
