// The game's window titles, the words that mark its buttons and labels, and the texts it draws,
// one row per site language. Data only, written once: the companion reads the game's windows
// with these tables and the substitute game client draws its titles and texts from the same rows.
//
// Rows are 1-based game languages (row 0 is unused); an empty text means the site has no such
// title or word. Titles are compared exactly, case included.
#pragma once

#include <array>
#include <string_view>

namespace scorlet {

// Kinds of the game's windows; they index the title columns, the window handles and (kinds 1
// to 3) the task slots.
enum WindowKind : int {
  KindTable = 0,
  KindLastTrick = 1,
  KindLastHand = 2,
  KindScore = 3,
};

// The window kinds index the title columns.
inline constexpr int TitleKinds = 6;     // kinds 4 and 5 are spare columns
inline constexpr int SubWindowKinds = 3; // kinds 1 to 3 are the table's sub-windows

// Game languages (rows of every per-language table).
inline constexpr int LangEnglish = 1;
inline constexpr int LangJapanese = 2;
inline constexpr int LangGerman = 3;
inline constexpr int LangFrench = 4;
inline constexpr int LangItalian = 5;
inline constexpr int LangSpain = 6;
inline constexpr int LangMexico = 7;
inline constexpr int LangSpanishVariant = 8;
inline constexpr int LangArgentina = 9;
inline constexpr int LangBrazil = 10;
inline constexpr int GameLanguages = 10;

using TitleRow = std::array<std::string_view, TitleKinds>;

inline constexpr std::array<TitleRow, GameLanguages + 1> WindowTitles{{
    {},
    {"Game: Spades", "Last Trick", "Last Hand", "Spades Score", "", ""},
    {"ゲーム：Spades", "最後のトリック", "最後のハンド", "スペードスコア", "", ""},
    {"Spiel: Spades", "Letzter Stich", "Letztes Spiel", "Spades Score", "", ""},
    {},
    {"Partita: Spades", "Ultima presa", "Ultima mano", "Punteggio di Peppa", "", ""},
    {"Partida: Spades", "Ultima baza", "Ultima mano", "Puntuacion de Picas", "", ""},
    {"Partida:Spades", "Ultima baza", "Ultima mano", "Puntuacion de espadas", "", ""},
    {"Partida: spades", "Ultima baza", "Ultima mano", "Puntuacion de picas", "", ""},
    {"Juego: Spades", "Ultima baza", "Ultima mano", "Puntuacion de picas", "", ""},
    {},
}};

// The lobby windows, recognised by a part of their title (English on every site).
inline constexpr std::string_view LobbyTitle = "Yahoo! Spades";
inline constexpr std::string_view LobbyTitle2 = "Spades at Yahoo! Games";

// The table window's title holds the table name after this word and the host after the next.
inline constexpr std::string_view TableNameWord = "Table: ";
inline constexpr std::string_view HostWord = "Host: ";

// Labels drawn on the table window, read by the bid and trick readers.
inline constexpr std::array<std::string_view, GameLanguages + 1> BidLabels{
    "", "Bid:", "ビッド:", "Geboten:", "", "Dichiara:",
    "Subasta:", "Apuesta:", "Apuesta:", "Apuesta:", ""};
inline constexpr std::array<std::string_view, GameLanguages + 1> TricksLabels{
    "", "Tricks:", "トリック:", "Stiche:", "", "Prese:",
    "Bazas:", "Bazas:", "Bazas:", "Bazas:", ""};

// Fragments of the table's status texts (waiting for a click, for the opponents...).
inline constexpr int StatusFragmentCount = 3;
inline constexpr std::array<std::array<std::string_view, StatusFragmentCount>, GameLanguages + 1>
    StatusFragments{{
        {},
        {"lick", "ress", "ponent"},
        {"開始", "つく", "ます。"},
        {"KlickenSie", "auf", ""},
        {},
        {"attesa", "Clicca", ""},
        {"Esperando", "clic", ""},
        {"Esperando", "clic", ""},
        {"Esperando", "clic", ""},
        {"Esperando", "clic", ""},
        {},
    }};

// Button labels 1 to 5 (index 0 unused): last trick, last hand, score, double-nil passing
// indicator, suicide indicator. A label is a part of the button's text.
inline constexpr int ButtonLastTrick = 1;
inline constexpr int ButtonLastHand = 2;
inline constexpr int ButtonScore = 3;
inline constexpr int ButtonDNilPass = 4;
inline constexpr int ButtonSuicide = 5;
inline constexpr int ButtonLabelCount = 5;
inline constexpr std::array<std::array<std::string_view, ButtonLabelCount + 1>, GameLanguages + 1>
    ButtonLabels{{
        {},
        {"", "Trick", "Hand", "core", "ssing", "cide"},
        {"", "リック", "ハンド", "スコア", "ニルパス", "サイド"},
        {"", "Stich", "Spiel", "stand", "ssing", "mord"},
        {},
        {"", "timapresa", "timamano", "Punteggio", "DZ", "dio"},
        {"", "mabaza", "mamano", "untos", "ynulo", "dio"},
        {"", "mabaza", "mamano", "tuaci", "ynulo", "dio"},
        {"", "timabaza", "timamano", "untuaci", "ynulo", "dio"},
        {"", "mabaza", "mamano", "untos", "ynulo", "dio"},
        {},
    }};

// Country names shown beside the rating, by language.
inline constexpr std::array<std::string_view, GameLanguages + 1> CountryNames{
    "", "USA", "日本", "ドイツ", "フランス", "イタリア",
    "スペイン", "メキシコ", "ESPANOL", "ARGENTINE", "ブラジル"};

// Title of a kind in a language row; "" for a row, kind or language out of range.
std::string_view TitleOf(int language, int kind);
// Button label k (1..5) of a language; "" when out of range.
std::string_view ButtonLabelOf(int language, int label);

// The game language whose table-window title is part of the window title, 0 when none.
// English is tried first, then the rows in order; the comparison is exact.
int TableTitleLanguage(std::string_view windowTitle);

// The shortest and the longest display width (a double-byte character counts 2) of the
// non-empty sub-window titles of every row, kept for the text reader.
struct TitleWidths {
  int shortest = 0;
  int longest = 0;
};
TitleWidths SubWindowTitleWidths();

// The full captions of the table's buttons and labels (last trick, last hand, score, double-nil
// passing, suicide) as the game draws them; the companion recognises each by a part of it (a
// blank between words reads as nothing, so "Ultima presa" holds "timapresa").
inline constexpr std::array<std::array<std::string_view, ButtonLabelCount>, GameLanguages + 1>
    ButtonCaptions{{
        {},
        {"Last Trick", "Last Hand", "Score", "Double Nil Passing", "Suicide"},
        {"最後のトリック", "最後のハンド", "スコア", "ダブルニルパス", "スーサイド"},
        {"Letzter Stich", "Letztes Spiel", "Spielstand", "Passing", "Selbstmord"},
        {},
        {"Ultima presa", "Ultima mano", "Punteggio", "DZ", "Suicidio"},
        {"Ultima baza", "Ultima mano", "Puntos", "Doble y nulo", "Suicidio"},
        {"Ultima baza", "Ultima mano", "Puntuacion", "Doble y nulo", "Suicidio"},
        {"Ultima baza", "Ultima mano", "Puntuacion", "Doble y nulo", "Suicidio"},
        {"Ultima baza", "Ultima mano", "Puntos", "Doble y nulo", "Suicidio"},
        {},
    }};

// The table's prompts while a game has not started: the click-to-start prompt and the wait for
// the other players. Each holds one of the language's status fragments; the game font has no
// blank glyph, so a blank between words reads as nothing and "Klicken Sie" reads "KlickenSie".
struct TablePrompts {
  std::string_view clickToStart;
  std::string_view waitingForOpponent;
};
inline constexpr std::array<TablePrompts, GameLanguages + 1> TablePromptTexts{{
    {},
    {"Click here to start", "Waiting for opponent"},
    {"開始するにはクリック", "相手を待っています。"},
    {"Klicken Sie hier", "Warten auf Spieler"},
    {},
    {"Clicca qui per iniziare", "In attesa di avversari"},
    {"Haga clic para empezar", "Esperando jugadores"},
    {"Haga clic para empezar", "Esperando jugadores"},
    {"Haga clic para empezar", "Esperando jugadores"},
    {"Haga clic para empezar", "Esperando jugadores"},
    {},
}};

// The button that ends a deal, and the word before a player's new rating after a game.
inline constexpr std::string_view DealOverButton = "OK";
inline constexpr std::string_view NewRatingWord = "newrating:";

}  // namespace scorlet
