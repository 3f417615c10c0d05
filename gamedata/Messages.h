// The messages window's texts: numbered status and error messages about the game's windows, one
// text per site language, plus the English site's texts for a user of the Japanese interface.
//
// Window names inside a message stand between "&laquo;" and "&raquo;", and accented letters are
// written as character references ("&auml;", "&eacute;"); the messages window prints them as the
// characters they name. Japanese texts are written as they are.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "gamedata/WindowTitles.h"

namespace scorlet {

// The message numbers. They are the status numbers of the capture procedures where a status
// has a message, so a status is shown by its own number.
enum class MessageNumber : std::int32_t {
  ScoreWindowMissing = 1,
  ScoreUnchanged = 7,
  GameNotStarted = 11,        // the table is waiting
  BiddingNotStarted = 12,     // no bid read yet
  DealOver = 13,              // the trick counts add up to 13: the next deal has not started
  BiddingNotOver = 15,
  BidsUnchanged = 16,
  BiddingWindowMissing = 18,
  AuctionNotStarted = 19,
  LastHandWindowMissing = 21,
  LastHandUnchanged = 24,
  LastTrickWindowMissing = 25,
};

struct MessageTexts {
  MessageNumber number;
  // By game language (row 0 unused).
  std::array<std::string_view, GameLanguages + 1> site;
  // The English site's text for a user of the Japanese interface; "" when it is the English one.
  std::string_view englishSiteJapaneseUser;
};

inline constexpr std::size_t MessageCount = 12;

// Row order: -, English, Japanese, German, French, Italian, Spanish (Spain), Spanish (Mexico),
// Spanish (variant), Spanish (Argentina), Portuguese (Brazil).
inline constexpr std::array<MessageTexts, MessageCount> MessageTable{{
    {MessageNumber::ScoreWindowMissing,
     {"",
      "Score is not open.",
      "《スペードスコア》が見つかりません.",
      "&laquo;Punktestand&raquo; ist nicht er&ouml;ffnet.",
      "&laquo;Score&raquo; n'est pas ouvert.",
      "&laquo;Punteggio&raquo; non &egrave; aperto.",
      "&laquo;Puntuaci&oacute;n&raquo; no est&aacute; abierta.",
      "&laquo;Puntuaci&oacute;n&raquo; no est&aacute; abierta.",
      "&laquo;Puntuaci&oacute;n&raquo; no est&aacute; abierta.",
      "&laquo;Puntuaci&oacute;n&raquo; no est&aacute; abierta.",
      "&laquo;Placar&raquo; n&atilde;o est&aacute; aberto."},
     "《Score》が オープンしていません."},
    {MessageNumber::ScoreUnchanged,
     {"",
      "&laquo;Spades Score&raquo; remains Unchanged.",
      "《スコア》は 変更されていません.",
      "&laquo;Punktestand&raquo; ist nicht ver&auml;ndert.",
      "&laquo;Score&raquo; n'a pas chang&eacute;.",
      "&laquo;Punteggio&raquo; non &egrave; cambiato.",
      "&laquo;Puntuaci&oacute;n&raquo; no ha cambiado.",
      "&laquo;Puntuaci&oacute;n&raquo; no ha cambiado.",
      "&laquo;Puntuaci&oacute;n&raquo; no ha cambiado.",
      "&laquo;Puntuaci&oacute;n&raquo; no ha cambiado.",
      "&laquo;Placar&raquo; n&atilde;o mudou."},
     ""},
    {MessageNumber::GameNotStarted,
     {"",
      "Game doesn't yet start.",
      "ゲームは未だ始まっていません.",
      "Spiel noch nicht beginnt.",
      "La partie n'a pas encore commenc&eacute;.",
      "La partita non &egrave; ancora iniziata.",
      "La partida a&uacute;n no ha empezado.",
      "La partida a&uacute;n no ha empezado.",
      "La partida a&uacute;n no ha empezado.",
      "El juego a&uacute;n no ha empezado.",
      "O jogo ainda n&atilde;o come&ccedil;ou."},
     ""},
    {MessageNumber::BiddingNotStarted,
     {"",
      "Bidding doesn't yet start.",
      "ビッドは未だ始まっていません.",
      "Bieten noch nicht beginnt.",
      "Les ench&egrave;res n'ont pas encore commenc&eacute;.",
      "La dichiarazione non &egrave; ancora iniziata.",
      "La subasta a&uacute;n no ha empezado.",
      "Las apuestas a&uacute;n no han empezado.",
      "Las apuestas a&uacute;n no han empezado.",
      "Las apuestas a&uacute;n no han empezado.",
      "Os lances ainda n&atilde;o come&ccedil;aram."},
     ""},
    {MessageNumber::DealOver,
     {"",
      "Game doesn't yet start.",
      "ゲームは未だ始まっていません.",
      "Spiel noch nicht beginnt.",
      "La partie n'a pas encore commenc&eacute;.",
      "La partita non &egrave; ancora iniziata.",
      "La partida a&uacute;n no ha empezado.",
      "La partida a&uacute;n no ha empezado.",
      "La partida a&uacute;n no ha empezado.",
      "El juego a&uacute;n no ha empezado.",
      "O jogo ainda n&atilde;o come&ccedil;ou."},
     ""},
    {MessageNumber::BiddingNotOver,
     {"",
      "Bidding is not yet over.",
      "ビッドが未だ終了していません.",
      "Bieten ist nicht zu Ende.",
      "Les ench&egrave;res ne sont pas encore termin&eacute;es.",
      "La dichiarazione non &egrave; ancora finita.",
      "La subasta a&uacute;n no ha terminado.",
      "Las apuestas a&uacute;n no han terminado.",
      "Las apuestas a&uacute;n no han terminado.",
      "Las apuestas a&uacute;n no han terminado.",
      "Os lances ainda n&atilde;o terminaram."},
     ""},
    {MessageNumber::BidsUnchanged,
     {"",
      "Bidding remains Unchanged.",
      "ビッドが変更されていません.",
      "Gebot ist nicht ver&auml;ndert.",
      "Les ench&egrave;res n'ont pas chang&eacute;.",
      "La dichiarazione non &egrave; cambiata.",
      "La subasta no ha cambiado.",
      "Las apuestas no han cambiado.",
      "Las apuestas no han cambiado.",
      "Las apuestas no han cambiado.",
      "Os lances n&atilde;o mudaram."},
     ""},
    {MessageNumber::BiddingWindowMissing,
     {"",
      "Bidding is not open.",
      "《ビッド経過》が見つかりません.",
      "&laquo;Bridge - Reizung&raquo; ist nicht er&ouml;ffnet.",
      "&laquo;Ench&egrave;res&raquo; n'est pas ouvert.",
      "&laquo;Dichiarazione&raquo; non &egrave; aperta.",
      "&laquo;Subasta&raquo; no est&aacute; abierta.",
      "&laquo;Apuestas&raquo; no est&aacute; abierta.",
      "&laquo;Apuestas&raquo; no est&aacute; abierta.",
      "&laquo;Apuestas&raquo; no est&aacute; abierta.",
      "&laquo;Lances&raquo; n&atilde;o est&aacute; aberto."},
     "《Bridge Bidding》が オープンしていません."},
    {MessageNumber::AuctionNotStarted,
     {"",
      "Bidding doesn't yet start.",
      "オークションは未だ始まっていません.",
      "Bieten noch nicht beginnt.",
      "Les ench&egrave;res n'ont pas encore commenc&eacute;.",
      "La dichiarazione non &egrave; ancora iniziata.",
      "La subasta a&uacute;n no ha empezado.",
      "Las apuestas a&uacute;n no han empezado.",
      "Las apuestas a&uacute;n no han empezado.",
      "Las apuestas a&uacute;n no han empezado.",
      "Os lances ainda n&atilde;o come&ccedil;aram."},
     ""},
    {MessageNumber::LastHandWindowMissing,
     {"",
      "LastHand is not open.",
      "《最後のハンド》が見つかりません.",
      "&laquo;Letztes Spiel&raquo; ist nicht er&ouml;ffnet.",
      "&laquo;Derni&egrave;re main&raquo; n'est pas ouvert.",
      "&laquo;Ultima mano&raquo; non &egrave; aperta.",
      "&laquo;Ultima mano&raquo; no est&aacute; abierta.",
      "&laquo;Ultima mano&raquo; no est&aacute; abierta.",
      "&laquo;Ultima mano&raquo; no est&aacute; abierta.",
      "&laquo;Ultima mano&raquo; no est&aacute; abierta.",
      "&laquo;&Uacute;ltima m&atilde;o&raquo; n&atilde;o est&aacute; aberta."},
     "《Last Hand》が オープンしていません."},
    {MessageNumber::LastHandUnchanged,
     {"",
      "&laquo;Last Hand&raquo; is Unchanged.",
      "《最後のハンド》は 更新されていません.",
      "&laquo;Letztes Spiel&raquo; ist nicht ver&auml;ndert.",
      "&laquo;Derni&egrave;re main&raquo; n'a pas chang&eacute;.",
      "&laquo;Ultima mano&raquo; non &egrave; cambiata.",
      "&laquo;Ultima mano&raquo; no ha cambiado.",
      "&laquo;Ultima mano&raquo; no ha cambiado.",
      "&laquo;Ultima mano&raquo; no ha cambiado.",
      "&laquo;Ultima mano&raquo; no ha cambiado.",
      "&laquo;&Uacute;ltima m&atilde;o&raquo; n&atilde;o mudou."},
     ""},
    {MessageNumber::LastTrickWindowMissing,
     {"",
      "LastTrick is not open.",
      "《最後のトリック》が見つかりません.",
      "&laquo;Letzter Stich&raquo; ist nicht er&ouml;ffnet.",
      "&laquo;Dernier pli&raquo; n'est pas ouvert.",
      "&laquo;Ultima presa&raquo; non &egrave; aperta.",
      "&laquo;Ultima baza&raquo; no est&aacute; abierta.",
      "&laquo;Ultima baza&raquo; no est&aacute; abierta.",
      "&laquo;Ultima baza&raquo; no est&aacute; abierta.",
      "&laquo;Ultima baza&raquo; no est&aacute; abierta.",
      "&laquo;&Uacute;ltima vaza&raquo; n&atilde;o est&aacute; aberta."},
     "《Last Trick》が オープンしていません."},
}};

// The message of a status or message number, when the table has one.
std::optional<MessageNumber> MessageOfNumber(int number);

// The text of a message for a site language, with the Japanese interface on or off; "" for a
// number the table does not hold or a language out of range. The Japanese interface changes only
// the English site's texts.
std::string_view MessageText(MessageNumber number, int language, bool japaneseUser);

}  // namespace scorlet
