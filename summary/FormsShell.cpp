#include "summary/FormsShell.h"

#include <algorithm>

#include "common/CodePage.h"
#include "platform/System.h"
#include "summary/SummaryTexts.h"
#include "summary/UtilityStart.h"

namespace scorlet::summary {

namespace {

constexpr Size kClientSize{560, 600};
constexpr Size kButtonSize{90, 28};
constexpr int kMargin = 5;
constexpr int kLogFontSize = 10;
constexpr std::string_view kProgramName = "ScorletSut";

Form& CreateWindow(Desktop& desktop, Forms& forms) {
  Form& form = forms.createForm("frmZ");
  form.setCaption(std::string(kProgramName) + std::string(kVersion));
  form.setClientSize(kClientSize);
  const int width = form.bounds().width();
  form.move(std::max(0, desktop.screenSize().width - width), 0);
  form.setFontSize(kLogFontSize);
  form.printState().margin = kMargin;
  form.printState().y = kMargin;
  return form;
}

Button& CreateEndButton(Form& form, Forms& forms) {
  Button& button = form.addButton("cmdEnd");
  button.setCaption(std::string(Text(Msg::EndCaption, false)));
  const int left = (kClientSize.width - kButtonSize.width) / 2;
  const int top = kClientSize.height - kButtonSize.height - 2 * kMargin;
  button.setBounds({left, top, left + kButtonSize.width, top + kButtonSize.height});
  button.onClick = [&forms] { forms.quit(0); };  // cmdEnd_Click: end at once
  return button;
}

}  // namespace

void FormLog::MakeRoom() {
  PrintState& state = form_.printState();
  const int height = state.lineHeight > 0 ? state.lineHeight
                                          : form_.canvas().textHeight(form_.font());
  if (height <= 0 || state.y + height <= bottom_) return;
  const int shift = state.y + height - bottom_;
  Canvas& canvas = form_.canvas();
  const Size size = canvas.size();
  const Image kept = canvas.readImage({0, shift, size.width, bottom_});
  canvas.fillRect({0, 0, size.width, bottom_}, form_.backColor());
  canvas.drawImage({0, 0}, kept);
  state.y -= shift;
}

void FormLog::PrintLine(std::string_view text) {
  MakeRoom();
  scorlet::PrintLine(form_, std::string(text));
}

void FormLog::PrintPath(std::string_view path) {
  MakeRoom();
  scorlet::PrintPath(form_, std::string(path));
}

FormsShell::FormsShell(Desktop& desktop, Forms& forms)
    : desktop_(desktop),
      forms_(forms),
      window_(CreateWindow(desktop, forms)),
      endButton_(CreateEndButton(window_, forms)),
      log_(std::make_unique<FormLog>(window_, endButton_.bounds().top - kMargin)) {
  window_.onUnload = [&forms] { forms.quit(0); };
  window_.setVisible(true);
  desktop_.processEvents();
}

std::filesystem::path FormsShell::appFolder() {
  GoToAppFolder(desktop_);
  return Utf8Path(desktop_.programFolder());
}

bool FormsShell::previousInstance() { return desktop_.previousInstance(std::string(kProgramName)); }

bool FormsShell::fontInstalled(std::string_view name) {
  const auto fonts = desktop_.fontNames();
  return std::find(fonts.begin(), fonts.end(), name) != fonts.end();
}

bool FormsShell::fitsInLog(std::string_view text, double share) {
  const double room = (window_.clientSize().width - 2 * kMargin) * share;
  return MixedTextWidth(window_, std::string(text)) <= room;
}

void FormsShell::setLanguage(bool japanese, const std::string& font) {
  PrintState& state = window_.printState();
  state.japanese = japanese;
  state.japaneseFont = font;
  endButton_.setCaption(std::string(Text(Msg::EndCaption, japanese)));
  if (japanese && !font.empty()) endButton_.setFontName(font);
}

void FormsShell::setBackColor(std::uint32_t colour) {
  window_.setBackColor(colour);
  window_.canvas().clear(colour);
  endButton_.setBackColor(colour);
}

void FormsShell::waitBeforeEnd(double seconds) {
  WaitSeconds(desktop_, seconds, [this] { return forms_.quitting(); });
}

int RunSummaryProgram(Desktop& desktop, Forms& forms) {
  FormsShell shell(desktop, forms);
  const StartOutcome outcome = FormLoad(shell);
  if (outcome.result == StartResult::Aborted) return 1;
  if (forms.quitting()) return 0;
  return forms.run();
}

}  // namespace scorlet::summary
