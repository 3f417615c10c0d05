// The summary utility's window frmZ on the platform's Forms: the running log printed on
// the window, and the End button cmdEnd.
#pragma once

#include <memory>

#include "platform/Desktop.h"
#include "platform/Forms.h"
#include "summary/UtilityShell.h"

namespace scorlet::summary {

// The log printed line by line on a form; when the next line would reach the bottom
// (the top of `bottom`), the text moves up by a line so the newest lines stay in sight.
class FormLog final : public LogSink {
 public:
  FormLog(Form& form, int bottom) : form_(form), bottom_(bottom) {}
  void PrintLine(std::string_view text) override;
  void PrintPath(std::string_view path) override;

 private:
  void MakeRoom();
  Form& form_;
  int bottom_;
};

class FormsShell final : public UtilityShell {
 public:
  FormsShell(Desktop& desktop, Forms& forms);

  LogSink& log() override { return *log_; }
  std::filesystem::path appFolder() override;
  bool previousInstance() override;
  int ansiCodePage() override { return desktop_.ansiCodePage(); }
  bool fontInstalled(std::string_view name) override;
  bool fitsInLog(std::string_view text, double share) override;
  void setLanguage(bool japanese, const std::string& font) override;
  void setBackColor(std::uint32_t colour) override;
  void armEscape() override { endButton_.setCancel(true); }
  void waitBeforeEnd(double seconds) override;

 private:
  Desktop& desktop_;
  Forms& forms_;
  Form& window_;
  Button& endButton_;
  std::unique_ptr<FormLog> log_;
};

// The whole program: start-up and batch, then the window waits for End (or, after a
// failed start-up check, ends by itself). Returns the exit code.
int RunSummaryProgram(Desktop& desktop, Forms& forms);

}  // namespace scorlet::summary
