// What the message dialog shows for a kind: which buttons and extra controls,
// their captions, and where the headline, the description and the animation
// strip go (they move with the kind and with languages whose texts run long).
#pragma once

#include <cstdint>
#include <string>

#include "core/language_table.h"

namespace tvx {

// Kinds of the message dialog.
constexpr std::int32_t kMessageOk = 200;          // one button
constexpr std::int32_t kMessageYesNo = 201;       // yes and no (so is any unlisted kind)
constexpr std::int32_t kMessageOkWithBox = 202;   // one button and a check box
constexpr std::int32_t kMessageWait = 203;        // cancellable wait with an animation
constexpr std::int32_t kMessageNewAccount = 334;  // entry of a new account name

// Results.
constexpr int kMessageYes = 6;            // yes, OK, create
constexpr int kMessageNo = 7;             // no, cancel
constexpr int kMessageClosedByOwner = 1;  // a wait closed by the code that opened it

struct MessageRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const MessageRect&) const = default;
};

// Images of the dialog (PNG resources) and its animation (GIF resource).
constexpr int kMessageBackgroundImage = 258;
constexpr int kMessageDecorationImage = 379;
constexpr int kMessageSymbolImage = 260;
constexpr int kMessageNewAccountSymbolImage = 327;
constexpr int kMessageCheckBoxImage = 270;
constexpr int kMessageAnimation = 361;

struct MessageFace {
  std::wstring title;
  std::wstring text;
  MessageRect titleRect;
  MessageRect textRect;
  int symbolImage = kMessageSymbolImage;

  bool leftShown = false;
  std::wstring leftCaption;
  std::wstring rightCaption;

  bool checkBoxShown = false;
  std::wstring checkBoxCaption;

  bool nameShown = false;
  std::wstring nameLabel;
  std::wstring initialName;

  bool animationShown = false;
  MessageRect stripRect;
};

// The face of a dialog of `kind` with the given headline and description;
// captions come from `language`, and so does the language id the layout
// depends on.
MessageFace MessageFaceFor(std::int32_t kind, const std::wstring& title, const std::wstring& text,
                           const std::wstring& initialName, const LanguageTable& language);

}  // namespace tvx
