// The messages window: the message table, and the window beside the substitute table showing
// each numbered message in the site's language when a sub-window it needs has been closed.
#include <gtest/gtest.h>

#include <algorithm>

#include "companion/main/Discovery.h"
#include "common/TextUtil.h"
#include "companion/messages/Messages.h"
#include "platform/virtual/VirtualForm.h"
#include "tableclient/window/TableClient.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

using testing::Harness;

constexpr std::string_view JapaneseFont = "ＭＳ Ｐゴシック";

// Every reference "&name;" in the text.
std::vector<std::string> ReferencesOf(std::string_view text) {
  std::vector<std::string> refs;
  for (std::size_t amp = text.find('&'); amp != std::string_view::npos; amp = text.find('&', amp + 1)) {
    const std::size_t semicolon = text.find(';', amp);
    refs.emplace_back(text.substr(amp, semicolon == std::string_view::npos ? 1 : semicolon - amp + 1));
  }
  return refs;
}

bool HasDoubleByte(std::string_view text) { return HasWideChars(text, CodePage::Japanese); }

TEST(MessageTableTest, EveryMessageHasATextInEveryLanguageRowWithKnownReferences) {
  for (const MessageTexts& row : MessageTable) {
    const int number = static_cast<int>(row.number);
    for (int language = LangEnglish; language <= GameLanguages; ++language) {
      const std::string_view text = MessageText(row.number, language, false);
      ASSERT_FALSE(text.empty()) << number << " row " << language;
      // Japanese only in the Japanese row; references only in the European ones.
      EXPECT_EQ(HasDoubleByte(text), language == LangJapanese) << text;
      for (const std::string& ref : ReferencesOf(text))
        EXPECT_FALSE(ExpandCharRefs(ref).empty()) << "unknown reference " << ref << " in " << text;
    }
  }
}

TEST(MessageTableTest, TheJapaneseInterfaceChangesOnlyTheEnglishSiteAndOnlyWhereItHasItsOwnText) {
  using enum MessageNumber;
  EXPECT_EQ(MessageText(ScoreWindowMissing, LangEnglish, false), "Score is not open.");
  EXPECT_EQ(MessageText(ScoreWindowMissing, LangEnglish, true), "《Score》が オープンしていません.");
  EXPECT_EQ(MessageText(GameNotStarted, LangEnglish, true), "Game doesn't yet start.");
  for (int language = LangJapanese; language <= GameLanguages; ++language)
    EXPECT_EQ(MessageText(LastHandWindowMissing, language, true),
              MessageText(LastHandWindowMissing, language, false));
}

TEST(MessageTableTest, NumbersAndLanguagesOutsideTheTableHaveNoText) {
  EXPECT_EQ(MessageOfNumber(25), MessageNumber::LastTrickWindowMissing);
  EXPECT_EQ(MessageOfNumber(13), MessageNumber::DealOver);
  for (int number : {0, 2, 4, 20, 22, 26, -1}) EXPECT_FALSE(MessageOfNumber(number)) << number;
  EXPECT_EQ(MessageText(static_cast<MessageNumber>(22), LangEnglish, false), "");
  EXPECT_EQ(MessageText(MessageNumber::ScoreWindowMissing, 0, false), "");
  EXPECT_EQ(MessageText(MessageNumber::ScoreWindowMissing, GameLanguages + 1, false), "");
}

TEST(MessageTextTest, CharacterReferencesArePrintedAsTheirCharacters) {
  EXPECT_EQ(ExpandCharRefs("&laquo;Punktestand&raquo; ist nicht er&ouml;ffnet."),
            "«Punktestand» ist nicht eröffnet.");
  EXPECT_EQ(ExpandCharRefs("&laquo;&Uacute;ltima m&atilde;o&raquo;"), "«Última mão»");
  EXPECT_EQ(ExpandCharRefs("a&amp;b&quot;c&nbsp;d"), "a&b\"c d");
  EXPECT_EQ(ExpandCharRefs("x&zzz;y"), "xy");         // an unknown name gives nothing
  EXPECT_EQ(ExpandCharRefs("Bid & Play"), "Bid  Play");  // an "&" without ";" is dropped
  EXPECT_EQ(ExpandCharRefs("《スコア》は 変更されていません."), "《スコア》は 変更されていません.");
}

// What the messages window shows: its texts in drawing order, joined.
std::string Shown(Harness& h) {
  std::string shown;
  for (const std::string& piece : h.program->drawnTexts("frmErrMsg")) shown += piece;
  return shown;
}

std::vector<DrawnText> Pieces(Harness& h) {
  const auto* form = dynamic_cast<VirtualForm*>(h.app().windows.errMsg.form);
  return form ? form->imageCanvas().texts() : std::vector<DrawnText>{};
}

VirtualDesktopConfig WithJapaneseFont() {
  VirtualDesktopConfig config;
  config.fonts.emplace_back(JapaneseFont);
  return config;
}

TEST(MessagesWindowTest, EachMessageInEachLanguageRow) {
  Harness h("MsgRows", WithJapaneseFont());
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  for (bool japaneseUser : {false, true}) {
    app.system.japanese = japaneseUser;
    for (int language = LangEnglish; language <= GameLanguages; ++language) {
      app.game.GameLanguage = language;
      for (const MessageTexts& row : MessageTable) {
        ShowStatusMsg(app, row.number);
        EXPECT_EQ(Shown(h), ExpandCharRefs(MessageText(row.number, language, japaneseUser)))
            << static_cast<int>(row.number) << " row " << language;
        EXPECT_TRUE(app.windows.errMsg.form->visible());
      }
    }
  }
  EXPECT_FALSE(app.windows.MessagePending);  // a status does not wait for a window
  // A number without a text leaves the window empty.
  PutMsg(app, static_cast<MessageNumber>(22));
  EXPECT_EQ(Shown(h), "");
}

TEST(MessagesWindowTest, PlacementFontsAndMargins) {
  Harness h("MsgFonts", WithJapaneseFont());
  h.WriteIni("BackColor=C0FFC0\r\n");
  ASSERT_TRUE(h.Start());
  h.GoOnline();
  App& app = h.app();
  ASSERT_EQ(app.system.interfaceFont, JapaneseFont);

  app.game.GameLanguage = LangGerman;
  ShowStatusMsg(app, MessageNumber::ScoreWindowMissing);
  Form& form = *app.windows.errMsg.form;
  EXPECT_EQ(app.windows.errMsg.state, HelperState::Loaded);
  const Rect main = app.frmZ.form->bounds();
  EXPECT_EQ(form.bounds().left, main.left + 40);
  EXPECT_EQ(form.bounds().top, main.top + 40);
  EXPECT_EQ(form.backColor(), Rgb(0xC0, 0xFF, 0xC0));
  EXPECT_EQ(form.caption(), "Message");
  auto pieces = Pieces(h);
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].at, (Point{6, 4}));
  EXPECT_EQ(pieces[0].font, (Font{"Arial", 13, false}));
  // The whole text fits in the window.
  EXPECT_GE(form.clientSize().width, form.canvas().textWidth(pieces[0].text, pieces[0].font) + 12);

  // The English site for a Japanese user: the double-byte parts in the interface font.
  app.game.GameLanguage = LangEnglish;
  app.system.japanese = true;
  ShowStatusMsg(app, MessageNumber::ScoreWindowMissing);
  pieces = Pieces(h);
  ASSERT_EQ(pieces.size(), 6u);  // 《 Score 》が " " オープンしていません "."
  EXPECT_EQ(pieces[0].text, "《");
  EXPECT_EQ(pieces[0].font, (Font{std::string(JapaneseFont), 12, false}));
  EXPECT_EQ(pieces[1].text, "Score");
  EXPECT_EQ(pieces[1].font, (Font{"Arial", 13, false}));
  EXPECT_GT(pieces[1].at.x, pieces[0].at.x);

  // The Japanese site: all of it in the interface font, and the window's font set back.
  app.game.GameLanguage = LangJapanese;
  ShowStatusMsg(app, MessageNumber::GameNotStarted);
  for (const DrawnText& piece : Pieces(h)) EXPECT_EQ(piece.font.name, JapaneseFont) << piece.text;
  EXPECT_EQ(form.font(), (Font{"Arial", 13, false}));

  // Loaded again after the table was left: with the Japanese interface its caption is a space.
  h.desktop.destroyWindow(h.table);
  h.Tick();
  EXPECT_EQ(app.windows.errMsg.state, HelperState::NotLoaded);
  LoadErrMsg(app);
  EXPECT_EQ(app.windows.errMsg.form->caption(), " ");
}

TEST(MessagesWindowTest, AReadyTextIsShownAsItStandsAndWaits) {
  Harness h("MsgReady");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  const int chimes = h.SoundsOf("SystemExclamation");
  ShowErrorMsg(app, "Failed in reading \"Last Hand\" &amp; score.");
  EXPECT_EQ(Shown(h), "Failed in reading \"Last Hand\" &amp; score.");
  EXPECT_TRUE(app.windows.errMsg.form->visible());
  EXPECT_TRUE(app.windows.MessagePending);
  EXPECT_EQ(h.SoundsOf("SystemExclamation"), chimes + 1);
}

TEST(MessagesWindowTest, ABidPassShowsWhereTheGameStandsOnlyWhenAskedByHand) {
  Harness h("MsgBidPass");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  app.game.GameLanguage = LangGerman;
  ShowBidPassStatus(app, CaptureStatus::WaitingOrUnchanged, CaptureMode::Automatic);
  EXPECT_FALSE(app.windows.errMsg.loaded());
  ShowBidPassStatus(app, CaptureStatus::WaitingOrUnchanged, CaptureMode::ByHand);
  EXPECT_EQ(Shown(h), "Spiel noch nicht beginnt.");
  ShowBidPassStatus(app, CaptureStatus::SomeBids, CaptureMode::ByHand);
  EXPECT_EQ(Shown(h), "Gebot ist nicht verändert.");
  // Missing windows go through window tracking, reading errors are printed by their readers.
  for (CaptureStatus status : {CaptureStatus::Ok, CaptureStatus::ScoreWindowMissing,
                               CaptureStatus::LastHandWindowMissing, CaptureStatus::ScoreNotRead,
                               CaptureStatus::NamesNotRead, CaptureStatus::LastHandNotRead}) {
    ShowBidPassStatus(app, status, CaptureMode::ByHand);
    EXPECT_EQ(Shown(h), "Gebot ist nicht verändert.") << static_cast<int>(status);
  }
  EXPECT_FALSE(app.windows.MessagePending);
}

// The companion beside the substitute table of one site language, taken over, with the table's
// buttons known to it.
struct TableSite {
  TableSite(Harness& h, int language) {
    table::TableClientOptions options;
    options.language = language;
    options.tableRect = {0, 0, 615, 700};
    options.startDelayMs = 60 * 60 * 1000;  // the game does not start during the test
    program = h.desktop.startProgram("SpadesTable", h.folder.string());
    client = std::make_unique<table::TableClient>(*program, *program, options);
  }
  void KnowButtons(App& app) {
    Point origin;
    program->clientOrigin(client->tableWindow(), origin);
    for (int k = 1; k <= 3; ++k) {
      const Rect b = client->ButtonRect(k);
      app.game.TableButtons[static_cast<std::size_t>(k)] = {
          origin.x + (b.left + b.right) / 2 + 10, origin.y + (b.top + b.bottom) / 2 - 4};
    }
  }
  std::unique_ptr<VirtualProgram> program;
  std::unique_ptr<table::TableClient> client;
};

class MissingWindowTest : public ::testing::TestWithParam<int> {};

// A closed sub-window that the table does not open again at once: its message in the site's
// language until the window is back, then the window hides.
TEST_P(MissingWindowTest, TheMessageStaysUntilTheWindowIsBack) {
  const int language = GetParam();
  Harness h("MsgMissing" + std::to_string(language));
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  TableSite site(h, language);
  ASSERT_TRUE(site.client->Open());
  site.KnowButtons(app);
  h.Tick();
  ASSERT_EQ(app.loop.OnlineState, Online);
  ASSERT_EQ(app.game.GameLanguage, language);
  app.loop.slots.Disarm(SlotBidCapture);  // only the window step runs on the ticks

  const std::pair<int, MessageNumber> cases[] = {
      {KindLastTrick, MessageNumber::LastTrickWindowMissing},
      {KindLastHand, MessageNumber::LastHandWindowMissing},
      {KindScore, MessageNumber::ScoreWindowMissing}};
  for (const auto& [kind, message] : cases) {
    SCOPED_TRACE(kind);
    site.client->CloseSubWindow(kind);
    site.client->SuppressSubWindow(kind, true);
    h.Tick();
    NotExistProcess(app, kind, static_cast<int>(message));  // as the readers report it
    EXPECT_TRUE(app.windows.MessagePending);
    EXPECT_TRUE(app.windows.errMsg.form->visible());
    EXPECT_EQ(Shown(h), ExpandCharRefs(MessageText(message, language, false)));
    h.Tick();
    h.Tick();
    EXPECT_TRUE(app.windows.errMsg.form->visible());  // still asked for on every tick

    site.client->SuppressSubWindow(kind, false);
    for (int i = 0; i < 4 && app.windows.MessagePending; ++i) h.Tick();
    EXPECT_FALSE(app.windows.MessagePending);
    EXPECT_NE(app.game.handle(kind), 0u);
    EXPECT_FALSE(app.windows.errMsg.form->visible());
    EXPECT_EQ(app.windows.errMsg.state, HelperState::Loaded);
  }
}

INSTANTIATE_TEST_SUITE_P(SiteLanguages, MissingWindowTest,
                         ::testing::Values(LangEnglish, LangJapanese, LangGerman, LangItalian,
                                           LangSpain, LangMexico, LangSpanishVariant,
                                           LangArgentina));

}  // namespace
}  // namespace scorlet::companion
