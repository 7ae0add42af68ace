// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Catalogue.h"

#include <initializer_list>
#include <string_view>

// Marks the texts the window shows in the user's language, for Qt's lupdate
// to collect; the catalogue itself keeps them as they are.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace fk {
namespace {

using enum SettingKind;

// Appended to the settings Brisko! never documented.
constexpr const char* HiddenFeature = QT_TRANSLATE_NOOP("fk::Catalogue", "This is an undocumented hidden feature. It may not work.");

// Joins the parts, each ended by a NUL, as the open-file dialog wants them.
std::string nulJoined(std::initializer_list<std::string_view> parts) {
    std::string joined;
    for (std::string_view part : parts) {
        joined += part;
        joined += '\0';
    }
    return joined;
}

void head(SettingEntry& e, const char* valueName, std::string description, SettingKind kind,
          bool allUsers = false) {
    e.valueName = valueName;
    e.description = std::move(description);
    e.kind = kind;
    e.allUsers = allUsers;
}

std::string hidden(const char* text) {
    return std::string(text) + std::string(ParagraphBreak) + HiddenFeature;
}

void boolean(SettingEntry& e, const char* valueName, std::string description, bool defaultBool,
             bool allUsers = false) {
    head(e, valueName, std::move(description), Boolean, allUsers);
    e.defaultBool = defaultBool;
}

void number(SettingEntry& e, const char* valueName, const char* description, std::int32_t defaultLong,
            std::int32_t minValue, std::int32_t maxValue, bool maxEnforced, std::int32_t smallChange,
            std::int32_t largeChange, std::int32_t tickFrequency) {
    head(e, valueName, description, Number);
    e.defaultLong = defaultLong;
    e.minValue = minValue;
    e.maxValue = maxValue;
    e.maxEnforced = maxEnforced;
    e.smallChange = smallChange;
    e.largeChange = largeChange;
    e.tickFrequency = tickFrequency;
}

void text(SettingEntry& e, const char* valueName, const char* description, const char* defaultText,
          TextStyle style, bool defaultAbsent) {
    head(e, valueName, description, Text);
    e.defaultText = defaultText;
    e.textStyle = style;
    e.textDefaultAbsent = defaultAbsent;
}

void font(Catalogue& c, int index, const char* valueName, const char* description, int row) {
    head(c.settingCatalogue[index], valueName, description, Font);
    c.settingCatalogue[index].auxIndex = row;
    FontDefault& f = c.fontDefaults[row];
    f.enabled = 0;
    f.faceName = "MS Sans Serif";
    f.size = 8;
    f.weight = 400;
    f.italic = 0;
    f.charSet = -1;
}

// Filled in index order, each entry whole before the next; the side tables
// are filled by the entry that first uses their row.
void fill(Catalogue& c) {
    auto& s = c.settingCatalogue;

    boolean(s[0], "AddCharToTruncateName", QT_TRANSLATE_NOOP("fk::Catalogue", "If true, when using the Truncate Contact Name for chat logs, a dot (\".\") is appended to names that are shorten."), false);
    boolean(s[1], "AlwaysNotifyPopEmail", QT_TRANSLATE_NOOP("fk::Catalogue", "If true, a notification is displayed each time POP3 accounts are checked, even if the count of unread emails didn't change."), false);
    text(s[2], "ArchiveFileDateFmt", QT_TRANSLATE_NOOP("fk::Catalogue", "This parameter is used by the Archive \"Create a different directory for each file\" option. By default, files are broken by month and year. Well, this can be customized the way you wish by using this parameter."), "MMMM yyyy", DateFormat, false);
    boolean(s[3], "AskInsultAnswer", QT_TRANSLATE_NOOP("fk::Catalogue", "If false, the Word Duel feature is disabled. You can still use the command but you won't get the screen asking you for an answer."), true);
    boolean(s[4], "AutoAwayAlways", QT_TRANSLATE_NOOP("fk::Catalogue", "If false, the \"change status after x minutes\" feature changes the status only when the user is currently Online or Idle."), true);
    boolean(s[5], "AutoUpdateNotification", hidden(QT_TRANSLATE_NOOP("fk::Catalogue", "If true, Brisko! will look for an update from time to time; usually once a week.")), true, true);
    boolean(s[6], "BossProtectFirstTime", hidden(QT_TRANSLATE_NOOP("fk::Catalogue", "If true, you will be noticed (and asked if you want to continue) the next time (only once) you use the shortcut assigned to enter in Boss Protection mode.")), false);

    head(s[7], "ChangeSecurityWarning", QT_TRANSLATE_NOOP("fk::Catalogue", "If ChangeSecurityWarning is set to true, the security warning displayed at the beginning of chats is modified to match the text specified in SecurityWarningTxt."), SwitchWithText);
    s[7].auxIndex = 0;
    {
        SwitchTextPair& p = c.switchTextPairs[0];
        p.defaultSwitch = false;
        p.defaultText = "";
        p.textDefaultAbsent = true;
        p.switchValueName = "ChangeSecurityWarning";
        p.textValueName = "SecurityWarningTxt";
    }

    text(s[8], "ChatLogTimeStampFmt", QT_TRANSLATE_NOOP("fk::Catalogue", "Format of the time stamp written at the beginning of each line in chat logs."), "", TimeFormat, true);
    boolean(s[9], "ColorPanelInHex", QT_TRANSLATE_NOOP("fk::Catalogue", "If true, the string generated by the multi-format color panel is in HTML hex format. If false, the string generated is in decimal format (takes more space)."), false);
    boolean(s[10], "CommandErrorMessage", QT_TRANSLATE_NOOP("fk::Catalogue", "If false, no message box is displayed when a bad command is entered and the command is sent as text."), true);
    number(s[11], "ContactSoundMaxTime", QT_TRANSLATE_NOOP("fk::Catalogue", "When you associate a sound to contact sign-in or sign-out, it is played 12 seconds by default. You can use this parameter to decrease or increase this time between 1 and 100 seconds."), 12, 1, 100, true, 1, 10, 10);
    boolean(s[12], "CtcDetachStatusOnly", QT_TRANSLATE_NOOP("fk::Catalogue", "If true, the status of the contact is always displayed in floating windows, even if the contact is blocked."), false);
    font(c, 13, "CtcListFont", QT_TRANSLATE_NOOP("fk::Catalogue", "This is to override the font normally used in the contact list window. This can be useful for accessibility reasons or in conjunction with special Messenger skins. The same font face and color is applied for every element in the contact list."), 1);

    head(s[14], "DefaultConfiguration", hidden(QT_TRANSLATE_NOOP("fk::Catalogue", "Brisko! will show the preferences of this account when Messenger isn't signed in and you display the preferences of Brisko!. You can use this to edit the common settings of the default account.")), Account, true);
    s[14].defaultText = "Nobody";

    head(s[15], "DefaultContactSigninSound", QT_TRANSLATE_NOOP("fk::Catalogue", "Use this parameter to specify a sound file to be played when a contact signs-in. The sound is only played when no other specific sound is associated to a contact. This parameter can be used to disable the default sound in Messenger (you have to do that yourself in Messenger options) so that two sounds are not played together when a contact signs-in."), File);
    s[15].defaultText = "";
    s[15].dialogTitle = nulJoined({QT_TRANSLATE_NOOP("fk::Catalogue", "Select sound file")});
    s[15].dialogFilter = nulJoined({QT_TRANSLATE_NOOP("fk::Catalogue", "WAVs (*.wav)"), "*.wav", QT_TRANSLATE_NOOP("fk::Catalogue", "MP3s (*.mp3)"), "*.mp3", QT_TRANSLATE_NOOP("fk::Catalogue", "All files (*.*)"), "*.*"});
    s[15].dialogFilter += '\0';

    boolean(s[16], "DockingKeepsWidth", QT_TRANSLATE_NOOP("fk::Catalogue", "If true, the contact list window keeps its current width when it's docked to the border of your screen."), false);
    boolean(s[17], "FirstTimeMessengerLock", hidden(QT_TRANSLATE_NOOP("fk::Catalogue", "If true, and if you haven't set one previously, you will be asked for a password next time (one once) you lock Messenger.")), false);
    number(s[18], "IconShowDelay", QT_TRANSLATE_NOOP("fk::Catalogue", "Delay, in milliseconds, because the Enhanced Brisko! icon is displayed in the contact list window, while you're moving your mouse cursor over it. Note that the delay will always be longer the first time the icon is displayed."), 300, 0, 1000, false, 1, 50, 100);
    number(s[19], "IMIgnoreCloseDelay", QT_TRANSLATE_NOOP("fk::Catalogue", "When you close a chat window and reopen it before the delay specified in this parameter (in seconds), no new session header is created in the log file."), 600, 0, 1800, false, 1, 300, 300);
    boolean(s[20], "ImprovePopupMenus", QT_TRANSLATE_NOOP("fk::Catalogue", "If false, Brisko! doesn't add entries to the various Messenger popup menus. Warning: disabling this feature will prevent you to access some other features of Brisko!."), true);
    text(s[21], "LogHeadDateFormat", QT_TRANSLATE_NOOP("fk::Catalogue", "Format of the timestamp written in the chat log headers (Session Start line)."), "", DateFormat, true);
    boolean(s[22], "LogSystemMessage", QT_TRANSLATE_NOOP("fk::Catalogue", "When true, system messages are written in the chat log file as they are displayed in the chat window (example: \"This file couldn't be sent...\"). If false, they are not written in the chat log files."), true);

    head(s[23], "MenuInclude", QT_TRANSLATE_NOOP("fk::Catalogue", "If false, the specified quick text is not displayed in the Enhanced Brisko! Icon menu of instant message windows."), QuickTexts);
    s[23].auxIndex = 0;
    c.quickTextDefaults[0].defaultInclude = true;
    c.quickTextDefaults[0].subkeyName = "QuickTexts";

    text(s[24], "NameOnSignin", QT_TRANSLATE_NOOP("fk::Catalogue", "If not empty, Brisko! will use this value to change your name to a default one every time you sign-in on a specific computer."), "", Plain, false);
    text(s[25], "NickNameSeparator", QT_TRANSLATE_NOOP("fk::Catalogue", "Separator used between names and emails when using special tags (!N) and (!M)."), ", ", Plain, false);
    number(s[26], "PersoAwayAutoClose", QT_TRANSLATE_NOOP("fk::Catalogue", "Number of seconds the Personalised Status window is displayed before exiting automatically. Minimum is 3."), 15, 3, 60, false, 1, 5, 10);
    number(s[27], "PersoAwayDefaultTimeBack", QT_TRANSLATE_NOOP("fk::Catalogue", "When the Personalised Status window is displayed, the \"Back Time\" field is automatically compute by adding 10 minutes to the current time. You can change that using this parameter."), 10, 0, 60, false, 1, 5, 10);
    boolean(s[28], "PlaySoundWhileBusy", QT_TRANSLATE_NOOP("fk::Catalogue", "If this parameter is false, Contact Sounds and Sound Commands won't play when your status is set to Busy."), false);
    boolean(s[29], "BriskoToastAnimate", QT_TRANSLATE_NOOP("fk::Catalogue", "If false, the Brisko! notification windows are displayed with no animation."), true);
    boolean(s[30], "BriskoToastFlash", QT_TRANSLATE_NOOP("fk::Catalogue", "If false, the Messenger icon in the systray is not modified for the Brisko! icon when Brisko! notification windows are displayed."), true);
    boolean(s[31], "POPAddHotmail", QT_TRANSLATE_NOOP("fk::Catalogue", "If false, the count of unread emails in your Hotmail account is not added to the count of unread pop3 emails."), true);

    head(s[32], "QuickIconBgColor", QT_TRANSLATE_NOOP("fk::Catalogue", "Background color used in the Quick Icons panel. In Messenger 4 and 5, the default value is the tooltip color; in Messenger 6, the default value is a slight blue."), Colour);
    s[32].defaultLong = 239 | (245 << 8) | (252 << 16);
    s[32].colourDefaultAbsent = true;

    text(s[33], "QuoteFormat", QT_TRANSLATE_NOOP("fk::Catalogue", "Format of the message when the user clicks \"Send Quote\" in the Quote Sender window. You can add character format codes to add colors or text attributes."), "(!FC64)[%1] (!FC57)%2: %3", TagFormat, false);
    boolean(s[34], "ResetNameTag", QT_TRANSLATE_NOOP("fk::Catalogue", "If false, the name tag is left in your name when you sign-out while in Personalised Away mode and sign-in again."), true);
    number(s[35], "SchedulerMaxRecall", QT_TRANSLATE_NOOP("fk::Catalogue", "Number of times a schedule will be repeated if the user doesn't explicitly dismiss the notification popup. Set this value to 0 to disable repeated notifications. Note that notifications are not repeated if the schedule was missed too far in the past."), 3, 0, 10, false, 1, 1, 1);

    // The text of the pair gets its own node but opens the same editor.
    s[36].valueName = "SecurityWarningTxt";
    s[36].description = s[7].description;
    s[36].kind = SwitchWithText;
    s[36].allUsers = s[7].allUsers;
    s[36].auxIndex = s[7].auxIndex;

    boolean(s[37], "ShowNotMinimised", QT_TRANSLATE_NOOP("fk::Catalogue", "If true, new chat windows are not displayed minimised when they are created."), false);
    text(s[38], "SoundMCIType", QT_TRANSLATE_NOOP("fk::Catalogue", "Name of the codec used by Brisko! to play sounds. If your sounds are not functioning, it may be a good idea to try to specify \"MPEGVideo2\" for this value."), "MPEGVideo", Plain, false);
    boolean(s[39], "SystemLogReportInitialIdle", QT_TRANSLATE_NOOP("fk::Catalogue", "If true, the Event Log shows contacts that are idle when you sign-in."), true);
    text(s[40], "SystemLogTimeStampFmt", QT_TRANSLATE_NOOP("fk::Catalogue", "Format of the time stamp displayed in the Event Log window."), "", TimeFormat, true);
    boolean(s[41], "UpdateWindowsEmailCount", QT_TRANSLATE_NOOP("fk::Catalogue", "If false, the count of unread emails in your POP3 accounts in not displayed in the welcome screen of Windows XP."), true);
    boolean(s[42], "UseTagForCustomName", QT_TRANSLATE_NOOP("fk::Catalogue", "If false, Personalised Status Tags are not added to contact names in the contact list when the Custom Name feature is enabled and the name of the contact has been changed."), true);
    boolean(s[43], "ValidateQuickIconKey", QT_TRANSLATE_NOOP("fk::Catalogue", "If false, Brisko! displays the Quick Icon panel when a parenthesis is pressed, even if the character before is :, - or '."), true);
    font(c, 44, "WindowFont", QT_TRANSLATE_NOOP("fk::Catalogue", "This is to tell Brisko! what font to use in its windows. This is normally used by languages in old versions of Windows but you can have some fun with it if you want."), 0);
    boolean(s[45], "WordFilterCaseSensitive", QT_TRANSLATE_NOOP("fk::Catalogue", "If true, word filters are case sensitive and you're allowed to filter the same words in different manners depending on their case."), false);

    head(s[46], "", QT_TRANSLATE_NOOP("fk::Catalogue", "Note: No support will be given on these functionalities... They are brought to you as is. If your Messenger does not behave correctly or crashes after you have used this program, then you should reset your preferences using the \"Reset to defaults\" link in the Preferences panel."), None);
}

}  // namespace

const Catalogue& catalogue() {
    static const Catalogue filled = [] {
        Catalogue c;
        fill(c);
        return c;
    }();
    return filled;
}

const char* hiddenFeatureNote() { return HiddenFeature; }

const SettingEntry& settingEntry(int index) {
    return catalogue().settingCatalogue.at(static_cast<std::size_t>(index));
}

}  // namespace fk
