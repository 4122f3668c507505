// Every (section, key) the program looks up in a language file, in one table.
// Code names a text through LanguageKey or MessageKey, whose constructors run
// at compile time and accept only pairs of this table: a key that is not here
// does not compile, and the language files are tested against this table, so
// a text the program shows cannot be missing from a shipped language file.
#pragma once

#include <string_view>

namespace tvx {

struct LanguageKeyName {
  std::wstring_view section;
  std::wstring_view key;
};

inline constexpr std::wstring_view kMessageSection = L"MESSAGE";

inline constexpr LanguageKeyName kLanguageKeys[] = {
    // Buttons, captions and units shared by every page.
    {L"COMMON", L"BACK"}, {L"COMMON", L"NEXT"}, {L"COMMON", L"CANCEL"},
    {L"COMMON", L"CLOSE"}, {L"COMMON", L"COMPLETE"}, {L"COMMON", L"CONNECT"},
    {L"COMMON", L"CREATE"}, {L"COMMON", L"FILE"}, {L"COMMON", L"FINISH"},
    {L"COMMON", L"FOLDER"}, {L"COMMON", L"NO"}, {L"COMMON", L"OK"},
    {L"COMMON", L"PROGRESS"}, {L"COMMON", L"READY"}, {L"COMMON", L"RECEIVEPC"},
    {L"COMMON", L"RETRY"}, {L"COMMON", L"SAVE"}, {L"COMMON", L"SENDPC"},
    {L"COMMON", L"TNETWORK"}, {L"COMMON", L"TUSB"}, {L"COMMON", L"UNIT1"},
    {L"COMMON", L"UNIT2"}, {L"COMMON", L"UNIT3"}, {L"COMMON", L"UNIT4"},
    {L"COMMON", L"UNIT5"}, {L"COMMON", L"YES"},
    // The wizard frame.
    {L"MAIN", L"BATTERY"}, {L"MAIN", L"BATTERYDESC"}, {L"MAIN", L"HELPTOOLTIP"},
    {L"INTRO", L"INSTALLDESC"}, {L"INTRO", L"INSTALLLINK"},
    {L"SELECTMIGRATIONTYPE", L"TITLE1"}, {L"SELECTMIGRATIONTYPE", L"TITLE2"},
    {L"SELECTMIGRATIONTYPE", L"PAGEDESC"}, {L"SELECTMIGRATIONTYPE", L"USB"},
    {L"SELECTMIGRATIONTYPE", L"NETWORK"},
    {L"SELECTDATASTORE", L"TITLE"}, {L"SELECTDATASTORE", L"PAGEDESC"},
    {L"SELECTDATASTORE", L"NOUSB1"}, {L"SELECTDATASTORE", L"NOUSB2"},
    {L"SELECTDATASTORE", L"SIZE1"}, {L"SELECTDATASTORE", L"SIZE2"},
    {L"SELECTDATA", L"TITLE"}, {L"SELECTDATA", L"PAGEDESC"}, {L"SELECTDATA", L"ADVANCED"},
    {L"SELECTDATA", L"BOX"}, {L"SELECTDATA", L"SYSTEM"}, {L"SELECTDATA", L"DESKTOP"},
    {L"SELECTDATA", L"DOCUMENT"}, {L"SELECTDATA", L"FAVORITES"}, {L"SELECTDATA", L"MAIL"},
    {L"SELECTDATA", L"MUSIC"}, {L"SELECTDATA", L"PICTURE"}, {L"SELECTDATA", L"VIDEO"},
    {L"ACCOUNT", L"TITLE1"}, {L"ACCOUNT", L"TITLE2"}, {L"ACCOUNT", L"PAGEDESC"},
    {L"ACCOUNT", L"SELECT"}, {L"ACCOUNT", L"EXCLUDE"}, {L"ACCOUNT", L"CREATE"},
    {L"ACCOUNT", L"NEWACCOUNTTITLE"},
    {L"NTCONFIG", L"TITLE"}, {L"NTCONFIG", L"PAGEDESC"}, {L"NTCONFIG", L"SENDPC"},
    {L"NTCONFIG", L"WAITDESC"}, {L"NTCONFIG", L"BUBBLE1"}, {L"NTCONFIG", L"BUBBLE2"},
    {L"NTCONFIG", L"BUBBLE3"}, {L"NTCONFIG", L"BUBBLE4"}, {L"NTCONFIG", L"CONNMANUAL"},
    {L"NTCONFIG", L"CONNFAIL"}, {L"NTCONFIG", L"FINDFAIL"},
    {L"NTCONFIGTCP", L"TITLE"}, {L"NTCONFIGTCP", L"PAGEDESC"}, {L"NTCONFIGTCP", L"RECEIVEPC"},
    {L"NTCONFIGTCP", L"IPSEARCH"}, {L"NTCONFIGTCP", L"BUBBLE1"}, {L"NTCONFIGTCP", L"BUBBLE2"},
    {L"NTCONFIGTCP", L"CONFIRMWAIT"},
    {L"NTCONFIGTCP", L"BUBBLE3"}, {L"NTCONFIGTCP", L"BUBBLE4"},
    {L"IPLIST", L"PAGEDESC"}, {L"IPLIST", L"KEY"}, {L"IPLIST", L"TYPE"},
    {L"RUN", L"TITLE1"}, {L"RUN", L"TITLE3"}, {L"RUN", L"PAGEDESC"}, {L"RUN", L"PERCENT"},
    {L"RUN", L"TIME"}, {L"RUN", L"BUBBLE1"}, {L"RUN", L"BUBBLE2"}, {L"RUN", L"INITIALIZE"},
    {L"RUN", L"INIT"}, {L"RUN", L"ACCOUNT"}, {L"RUN", L"SCAN"}, {L"RUN", L"COPY"},
    {L"RUN", L"SERVERLOAD"}, {L"RUN", L"FINISHSCAN"}, {L"RUN", L"LOAD"},
    {L"COMPLETE", L"PAGEDESC"}, {L"COMPLETE", L"DESC1"},
    {L"COMPLETE", L"TITLE_CONNECTION_RESULT"}, {L"COMPLETE", L"TITLE_TRANS_METHOD"},
    {L"COMPLETE", L"TITLE_STATE"},
    {L"FINISH", L"PAGEDESC"}, {L"FINISH", L"TITLE1"}, {L"FINISH", L"TITLE2"},
    {L"FINISH", L"TITLE3"}, {L"FINISH", L"DESC1"}, {L"FINISH", L"DESC21"},
    {L"FINISH", L"DESC22"}, {L"FINISH", L"DESC3"}, {L"FINISH", L"DESC4"},
    {L"CONFIGURATION", L"TITLE"}, {L"CONFIGURATION", L"PAGEDESC"},
    {L"CONFIGURATION", L"DESC1"}, {L"CONFIGURATION", L"DESC2"}, {L"CONFIGURATION", L"DESC3"},
    {L"CONFIGURATION", L"DESC4"}, {L"CONFIGURATION", L"DESC5"}, {L"CONFIGURATION", L"DESC6"},
    {L"CONFIGURATION", L"DESC7"}, {L"CONFIGURATION", L"DESC8"}, {L"CONFIGURATION", L"DESC10"},
    {L"CONFIGURATION", L"DESC11"}, {L"CONFIGURATION", L"DESC13"},
    {L"CONFIGURATION", L"DESC81"}, {L"CONFIGURATION", L"DESC82"},
    // Headlines and descriptions of the message dialog.
    {L"MESSAGE", L"STARTER"}, {L"MESSAGE", L"XP"}, {L"MESSAGE", L"PRIVILEGE"},
    {L"MESSAGE", L"WMILANG"}, {L"MESSAGE", L"EXIT"}, {L"MESSAGE", L"EXITDESC"},
    {L"MESSAGE", L"EXITDESC1"}, {L"MESSAGE", L"REBOOT"}, {L"MESSAGE", L"REBOOTDESC"},
    {L"MESSAGE", L"ARCI"}, {L"MESSAGE", L"LANG"}, {L"MESSAGE", L"VER"},
    {L"MESSAGE", L"SCANFAIL"}, {L"MESSAGE", L"LOADFAIL"}, {L"MESSAGE", L"FILEFAILED"},
    {L"MESSAGE", L"INVALIDFILE"}, {L"MESSAGE", L"CONNECTIONCLOSED"},
    {L"MESSAGE", L"DISKFAIL"}, {L"MESSAGE", L"DISKFAILDESC"}, {L"MESSAGE", L"BATTERY"},
    {L"MESSAGE", L"DISK"}, {L"MESSAGE", L"DISKDESC"}, {L"MESSAGE", L"ACCOUNT"},
    {L"MESSAGE", L"ACCOUNTDESC"}, {L"MESSAGE", L"CREATE"}, {L"MESSAGE", L"ACCOUNTNAME"},
    {L"MESSAGE", L"USBLOAD"},
    {L"MESSAGE", L"USBCOPY"}, {L"MESSAGE", L"NEWSCAN"}, {L"MESSAGE", L"RESUME"},
    {L"MESSAGE", L"NETCONNECT"}, {L"MESSAGE", L"NTCONFIGTCPWAIT"}, {L"MESSAGE", L"KEY"},
    {L"MESSAGE", L"IPINVALID"}, {L"MESSAGE", L"IPINVALIDDesc"}, {L"MESSAGE", L"NOSYSTEM"},
    {L"MESSAGE", L"PEERASK"}, {L"MESSAGE", L"PEERASKDESC"},
};

constexpr bool IsLanguageKey(std::wstring_view section, std::wstring_view key) {
  for (const LanguageKeyName& entry : kLanguageKeys) {
    if (entry.section == section && entry.key == key) return true;
  }
  return false;
}

// Never defined: reaching it while a key is built at compile time is the
// compile error that reports a key missing from the table above.
void LanguageKeyIsNotInTheTable();

// A text of a language file, by section and key.
class LanguageKey {
 public:
  consteval LanguageKey(const wchar_t* section, const wchar_t* key) : name_{section, key} {
    if (!IsLanguageKey(name_.section, name_.key)) LanguageKeyIsNotInTheTable();
  }
  constexpr std::wstring_view Section() const { return name_.section; }
  constexpr std::wstring_view Key() const { return name_.key; }

 private:
  LanguageKeyName name_;
};

// A headline or description of the message dialog: a key of MESSAGE, or the
// empty key, which stands for no text.
class MessageKey {
 public:
  constexpr MessageKey() = default;
  consteval MessageKey(const wchar_t* key) : key_(key) {
    if (!key_.empty() && !IsLanguageKey(kMessageSection, key_)) LanguageKeyIsNotInTheTable();
  }
  constexpr std::wstring_view Key() const { return key_; }
  constexpr bool Empty() const { return key_.empty(); }

 private:
  std::wstring_view key_;
};

}  // namespace tvx
