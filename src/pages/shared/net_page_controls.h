// Control ids of the two network pages' dialogs (templates 114 and 113), for
// their window views, which map the views' operations onto them; and the
// message the receiving page's search thread reports its end with.
#pragma once

#include "base/message_loop.h"
#include "core/wizard_messages.h"

namespace tvx {

// Both pages. The bubbles are numbered by place; which text each shows
// depends on the page and its mode.
constexpr int kCtlTitle = 1111;
constexpr int kCtlPageDesc = 1063;
constexpr int kCtlBubble1 = 1114;
constexpr int kCtlBubble2 = 1115;
constexpr int kCtlWaitText = 1240;  // waiting (sending) or searching (receiving)
constexpr int kCtlMethodCaption = 1158;
constexpr int kCtlMethodValue = 1246;
constexpr int kCtlStateCaption = 1159;
constexpr int kCtlStateValue = 1247;
constexpr int kCtlStateText = 1226;
// The four octets: labels on the sending page, edit fields on the receiving one.
inline constexpr int kCtlOctets[4] = {1122, 1123, 1124, 1125};

// The sending page (CNTConfig).
constexpr int kCtlSendLabel = 1242;
constexpr int kCtlBubble3 = 1116;
constexpr int kCtlWaitAnimation = 1238;
constexpr int kCtlAdapterButton = 1121;
constexpr int kCtlAddressButton = 1239;

// The receiving page (CNTConfigTCP).
constexpr int kCtlReceiveLabel = 1154;
constexpr int kCtlSearchAnimation = 1243;
constexpr int kCtlCancelSearch = 1244;
constexpr int kCtlRetrySearch = 1245;

// The animation both pages play while they wait (GIF resource).
constexpr int kNetPageAnimation = 363;
}  // namespace tvx
