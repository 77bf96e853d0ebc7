// The texts the windows show, in UTF-8 with '\n' line breaks, written once
// for every front end: the Qt window and the Windows window show the same
// captions, questions and messages. The core's own messages about files are
// in file_messages.h.
#pragma once

#include <string>
#include <string_view>

namespace zef {

// The main window and the program.
inline constexpr std::string_view kWindowCaption = "ZeF v.3 – autor: q71, q71@example.org, https://zef.example.org";
inline constexpr std::string_view kDesignedCaption = "ZeF";
inline constexpr std::string_view kStartTitle = "Spinwheel";
inline constexpr std::string_view kApplicationTitle = "q71_brouzdac";
inline constexpr std::string_view kHotKeyAtomName = "KlavZkrZeF";
// What a desktop lists the lock key as.
inline constexpr std::string_view kHotKeyDescription = "Zamknout a odemknout okno ZeF";
inline constexpr std::string_view kLockedText = "pls\nNEVYPÍNAT\ndík r";
inline constexpr std::string_view kQuestionCaption = "ZeF";
inline constexpr std::string_view kResetQuestion = "Opravdu resetovat nastavení?";

// The main window's controls.
inline constexpr std::string_view kGroupCaption = "-";
inline constexpr std::string_view kResetButton = "Reset";
inline constexpr std::string_view kRefreshButton = "Obnovit (F5)";
inline constexpr std::string_view kIntroSwitch = "Intro při startu";
inline constexpr std::string_view kChartButton = "Graf";

// The plan editor's menu and the list of unit types it opens.
// A menu entry: its command, a tab, and its key.
inline constexpr std::string_view kUnitListCommand = "Jednotky z arm.txt…\tF7";
inline constexpr std::string_view kUnitListTitle = "Jednotky z arm.txt";
// The editor's own commands, where a window builds the editor's menu itself.
inline constexpr std::string_view kUndoCommand = "&Zpět";
inline constexpr std::string_view kCutCommand = "Vyj&mout";
inline constexpr std::string_view kCopyCommand = "&Kopírovat";
inline constexpr std::string_view kPasteCommand = "V&ložit";
inline constexpr std::string_view kDeleteCommand = "O&dstranit";
inline constexpr std::string_view kSelectAllCommand = "Vybrat &vše";

// The search for the best plan: the editor's menu and its dialog.
inline constexpr std::string_view kBestPlanCommand = "Nejlepší plán…\tF8";
inline constexpr std::string_view kBestPlanTitle = "ZeF – nejlepší plán";
inline constexpr std::string_view kBestPlanMostDamage = "Nejvíc DMG nejvýš za (TU):";
inline constexpr std::string_view kBestPlanFewestTurns = "Nejméně TU k (DMG):";
inline constexpr std::string_view kBestPlanUnits = "Jednotky z arm.txt:";
inline constexpr std::string_view kBestPlanReserve = "Zlato i mana vydrží po plánu aspoň (TU):";
inline constexpr std::string_view kBestPlanSearch = "Hledat";
inline constexpr std::string_view kBestPlanApply = "Použít";
inline constexpr std::string_view kBestPlanChart = "Graf";
inline constexpr std::string_view kBestPlanNoRows = "Zaškrtněte aspoň jeden typ jednotky.";
inline constexpr std::string_view kBestPlanNothingToSearch =
    "V arm.txt není žádný typ jednotky, který lze rekrutovat: není z čeho plán hledat.";
inline constexpr std::string_view kBestPlanEditorChanged =
    "Plán v editoru se od hledání změnil. Nahradit ho plánem, který hledání našlo pro plán, jaký byl?";

// The progress dialog of a long run.
inline constexpr std::string_view kProgressText = "Počítám plán…";
inline constexpr std::string_view kCancelButton = "Zrušit";

// The treasury chart.
inline constexpr std::string_view kChartWindowTitle = "ZeF – pokladna po tazích";
inline constexpr std::string_view kChartTitle = "Zlato a mana po tazích";
inline constexpr std::string_view kTurnAxisTitle = "tah";
inline constexpr std::string_view kGoldCurveName = "zlato (zl)";
inline constexpr std::string_view kManaCurveName = "mana (mn)";
inline constexpr std::string_view kDamageCurveName = "DMG (vpravo)";
inline constexpr std::string_view kBelowZeroName = "pod nulou";
inline constexpr std::string_view kSavePngButton = "Uložit PNG…";
inline constexpr std::string_view kSaveSvgButton = "Uložit SVG…";
inline constexpr std::string_view kSaveChartTitle = "Uložit graf";
inline constexpr std::string_view kPngFilter = "Obrázek PNG (*.png)";
inline constexpr std::string_view kSvgFilter = "Obrázek SVG (*.svg)";

// The main window's caption when the program works in FOLDER instead of the
// folder it was started in (working_folder.h): "ZeF v.3 – … – soubory ve
// složce FOLDER".
std::string WorkingFolderCaption(std::string_view folder);
// "Graf se nepodařilo uložit do PATH."
std::string ChartNotSavedMessage(std::string_view path);

}  // namespace zef
