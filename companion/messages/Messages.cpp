#include "companion/messages/Messages.h"

#include <algorithm>
#include <array>
#include <vector>

#include "common/CodePage.h"
#include "common/TextUtil.h"
#include "companion/main/App.h"
#include "platform/Form.h"
#include "platform/System.h"

namespace scorlet::companion {

namespace {

constexpr std::string_view CaptionEnglish = "Message";
constexpr std::string_view CaptionJapanese = " ";
constexpr int MinClientWidth = 160;

Font MessageFont() { return Font{std::string(MessageFontName), MessageFontSize, false}; }

// The interface font for double-byte text; Arial when no Japanese font is installed.
Font WideFont(const App& app) {
  const std::string& name = app.system.interfaceFont;
  return Font{name.empty() ? std::string(MessageFontName) : name, MessageWideFontSize, false};
}

// A double-byte character is one that the Japanese code page writes in two bytes, whatever the
// system's own code page: the site's Japanese texts are printed in the Japanese font everywhere.
bool IsWide(char32_t codePoint) { return AnsiCharSize(codePoint, CodePage::Japanese) == 2; }

// A piece of a text printed in one font.
struct Run {
  std::string text;
  bool wide = false;
};

std::vector<Run> Runs(std::string_view text) {
  std::vector<Run> runs;
  for (std::size_t pos = 0, length = 0; pos < text.size(); pos += length) {
    const bool wide = IsWide(DecodeUtf8(text, pos, length));
    if (runs.empty() || runs.back().wide != wide) runs.push_back({"", wide});
    runs.back().text.append(text.substr(pos, length));
  }
  return runs;
}

const Font& FontOf(const Run& run, const Font& single, const Font& wide) {
  return run.wide ? wide : single;
}

int RunsWidth(const Canvas& canvas, const std::vector<Run>& runs, const Font& single,
              const Font& wide) {
  int width = 0;
  for (const Run& run : runs) width += canvas.textWidth(run.text, FontOf(run, single, wide));
  return width;
}

int RunsHeight(const Canvas& canvas, const std::vector<Run>& runs, const Font& single,
               const Font& wide) {
  int height = canvas.textHeight(single);
  for (const Run& run : runs) height = std::max(height, canvas.textHeight(FontOf(run, single, wide)));
  return height;
}

// Prints the runs on one line at the print position and moves to the next line.
void PrintRuns(Form& form, const std::vector<Run>& runs, const Font& wide) {
  PrintState& print = form.printState();
  Canvas& canvas = form.canvas();
  const Font single = form.font();
  int x = print.margin;
  for (const Run& run : runs) {
    const Font& font = FontOf(run, single, wide);
    canvas.drawText({x, print.y}, run.text, font, print.color);
    x += canvas.textWidth(run.text, font);
  }
  print.y += RunsHeight(canvas, runs, single, wide);
}

// Sizes the window to the text, clears it and sets the print margins.
void StartText(Form& form, const std::vector<Run>& runs, const Font& wide) {
  const Canvas& canvas = form.canvas();
  const Font single = form.font();
  const int width = RunsWidth(canvas, runs, single, wide) + 2 * MessageMarginLeft;
  const int height = RunsHeight(canvas, runs, single, wide) + 2 * MessageMarginTop;
  form.setClientSize({std::max(MinClientWidth, width), height});
  form.canvas().clear(form.backColor());
  PrintState& print = form.printState();
  print.margin = MessageMarginLeft;
  print.y = MessageMarginTop;
}

// The character a reference names, "" for an unknown name.
std::string NamedCharacter(std::string_view reference) {
  std::vector<int> codes;
  TextToCodes(codes, reference);
  if (codes.size() != 1) return {};
  return FromAnsi(std::string(1, static_cast<char>(codes.front())), CodePage::Western);
}

}  // namespace

std::string ExpandCharRefs(std::string_view text) {
  std::string out;
  while (!text.empty()) {
    const std::size_t amp = text.find('&');
    out.append(text.substr(0, amp));
    if (amp == std::string_view::npos) break;
    text.remove_prefix(amp);
    const std::size_t semicolon = text.find(';');
    if (semicolon == std::string_view::npos) {
      text.remove_prefix(1);
      continue;
    }
    out += NamedCharacter(text.substr(0, semicolon + 1));
    text.remove_prefix(semicolon + 1);
  }
  return out;
}

Form& LoadErrMsg(App& app) {
  HelperWindow& window = app.windows.errMsg;
  const bool fresh = window.form == nullptr || !window.form->loaded();
  Form& form = LoadHelper(app.forms, window);
  if (!fresh) return form;
  form.setBorderStyle(BorderStyle::ToolWindow);
  form.setCaption(std::string(app.Japanese() ? CaptionJapanese : CaptionEnglish));
  form.setBackColor(app.BackColor());
  form.setFont(MessageFont());
  form.setTopmost(true);
  form.setClientSize({MinClientWidth, 2 * MessageMarginTop + MessageFontSize});
  if (app.frmZ.form != nullptr) {
    const Rect main = app.frmZ.form->bounds();
    form.move(main.left + MessageWindowOffset, main.top + MessageWindowOffset);
  }
  return form;
}

void PMsg(Form& form, std::string_view text, const Font& wideFont) {
  PrintRuns(form, Runs(ExpandCharRefs(text)), wideFont);
}

void PutMsg(App& app, MessageNumber number) {
  Form& form = LoadErrMsg(app);
  const int language = app.game.GameLanguage;
  const Font wide = WideFont(app);
  // The Japanese site's texts are printed wholly in the interface font.
  form.setFont(language == LangJapanese ? wide : MessageFont());
  const std::string_view text = MessageText(number, language, app.Japanese());
  StartText(form, Runs(ExpandCharRefs(text)), wide);
  PMsg(form, text, wide);
  form.setFont(MessageFont());
}

void ShowErrorMsg(App& app, const std::string& text) {
  Form& form = LoadErrMsg(app);
  const Font wide = WideFont(app);
  // A ready text is printed as it stands, in one font.
  form.setFont(HasWideChars(text, CodePage::Japanese) ? wide : MessageFont());
  const std::vector<Run> whole{{text, false}};
  StartText(form, whole, wide);
  ShowHelper(app.windows.errMsg, false);
  PrintRuns(form, whole, wide);
  form.setFont(MessageFont());
  app.windows.MessagePending = true;
  AlertChime(app.desktop);
}

void ShowErrMessage(App& app, MessageNumber number) {
  ShowStatusMsg(app, number);
  app.windows.MessagePending = true;
}

void ShowStatusMsg(App& app, MessageNumber number) {
  PutMsg(app, number);
  ShowHelper(app.windows.errMsg, false);
}

void ShowBidPassStatus(App& app, CaptureStatus status, CaptureMode mode) {
  using enum MessageNumber;
  // The statuses that tell where the game stands; they share their numbers with the messages.
  constexpr std::array<MessageNumber, 6> shown{GameNotStarted, BiddingNotStarted, DealOver,
                                               BiddingNotOver,  BidsUnchanged,     AuctionNotStarted};
  const auto number = static_cast<MessageNumber>(status);
  if (mode == CaptureMode::ByHand && std::ranges::find(shown, number) != shown.end())
    ShowStatusMsg(app, number);
}

void HideErrMessage(App& app) { HideHelper(app.windows.errMsg); }

}  // namespace scorlet::companion
