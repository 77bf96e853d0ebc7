#include "file_messages.h"

#include "plan_file.h"
#include "turn_budget.h"

#include <cstdio>

namespace zef {

namespace {

constexpr std::string_view kNothingComputed = "Nic se nepřepočítalo.";

std::string Quoted(std::string_view name) { return "„" + std::string(name) + "“"; }

std::string QuotedPath(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return Quoted(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

std::string CutOffSave(std::string_view name)
{
    return "Ukládání souboru " + Quoted(name) +
           " se minule nedokončilo (program skončil uprostřed zápisu), takže soubor může být neúplný.";
}

}  // namespace

std::string CzechReason(const FileFailure& failure)
{
    switch (failure.problem) {
    case FileProblem::NoSpace: return "na disku není místo";
    case FileProblem::QuotaExceeded: return "je vyčerpaná kvóta místa na disku";
    case FileProblem::TooLarge: return "soubor by byl větší, než systém dovolí";
    case FileProblem::NoPermission: return "chybí oprávnění";
    case FileProblem::ReadOnlyFile: return "soubor je jen pro čtení";
    case FileProblem::ReadOnlyFileSystem: return "disk je jen pro čtení";
    case FileProblem::IsFolder: return "je to složka, ne soubor";
    case FileProblem::NotRegularFile: return "není to obyčejný soubor";
    case FileProblem::NotFound: return "soubor nebo složka neexistuje";
    case FileProblem::InputOutput: return "chyba čtení nebo zápisu na disku";
    case FileProblem::TooLargeToRead: return "soubor je tak velký, že se nevejde do paměti";
    case FileProblem::Oversized: return "soubor je mnohem větší, než takový soubor bývá, takže je nejspíš poškozený";
    case FileProblem::NoHomeFolder: return "není známa domovská složka uživatele";
    case FileProblem::Other: break;
    }
    return failure.systemText;
}

std::string CannotCreateMessage(std::string_view name, const FileFailure& failure)
{
    return "Soubor " + Quoted(name) + " nejde vytvořit: " + CzechReason(failure) + ".";
}

std::string UnreadableFileProblem(std::string_view name, const FileFailure& failure)
{
    return "Soubor " + Quoted(name) + " nejde přečíst: " + CzechReason(failure) + ".";
}

std::string UnreadablePlanMessage(std::string_view name, const FileFailure& failure)
{
    return UnreadableFileProblem(name, failure) +
           " Editor zůstává prázdný a plán se do souboru neuloží, dokud jeho přepsání nepotvrdíte.";
}

std::string UnreadableDataFileMessage(std::string_view name, const FileFailure& failure)
{
    return UnreadableFileProblem(name, failure) + " " + std::string(kNothingComputed);
}

std::string PlanNotSavedMessage(std::string_view name, const FileFailure& failure)
{
    if (failure.problem == FileProblem::ReadOnlyFile) {
        return "Soubor " + Quoted(name) + " je jen pro čtení, plán do něj nejde uložit. " +
               std::string(kNothingComputed);
    }
    return "Plán se nepodařilo uložit do souboru " + Quoted(name) + ": " + CzechReason(failure) +
           ". Soubor zůstal, jak byl. " + std::string(kNothingComputed);
}

std::string UnencodableCharacterProblem(std::string_view name, const UnencodableCharacter& character)
{
    char codePoint[16];
    std::snprintf(codePoint, sizeof codePoint, "%04x", static_cast<unsigned>(character.codePoint));
    return "Znak " + Quoted(character.character) + " (U+" + codePoint + ") na řádku " + std::to_string(character.line) +
           " nejde uložit do " + std::string(name) + " v kódování Windows-1250.";
}

std::string UnencodableCharacterMessage(std::string_view name, const UnencodableCharacter& character)
{
    return UnencodableCharacterProblem(name, character) + " Nic se neuložilo ani nepřepočítalo.";
}

std::string OverwriteQuestion(std::string_view name)
{
    return "Soubor " + Quoted(name) +
           " se změnil od chvíle, kdy ho toto okno načetlo nebo uložilo (nebo ho nešlo přečíst). Přepsat ho plánem "
           "z editoru?";
}

std::string InterruptedSaveQuestion(std::string_view name, const std::filesystem::path& keptCopy)
{
    return CutOffSave(name) + " Vrátit plán, jak byl před tímto uložením? Jeho kopie zůstane uschovaná jako " +
           QuotedPath(keptCopy) + " do vašeho příštího uložení.";
}

std::string TornPlanWithoutCopyMessage(std::string_view name, const std::filesystem::path& folder)
{
    return CutOffSave(name) + " Celá kopie plánu z doby před uložením ve složce " + QuotedPath(folder) +
           " není, takže ho nejde vrátit. Zkontrolujte plán v editoru.";
}

std::string PlanCopyNotKeptMessage(std::string_view name, const std::optional<std::filesystem::path>& folder,
                                   const FileFailure& failure)
{
    const std::string where = folder ? " do složky " + QuotedPath(*folder) : std::string();
    return "Plán se nepodařilo uložit do souboru " + Quoted(name) +
           ": jeho složka nedovoluje vytvořit nový soubor, takže se přepisuje na místě, a předtím se jeho "
           "dosavadní obsah musí uschovat" +
           where + ". To nejde: " + CzechReason(failure) + ". Soubor zůstal, jak byl. " + std::string(kNothingComputed);
}

std::string RecoveryFolderMessage(const std::filesystem::path& folder, const FileFailure& failure)
{
    return "Ve složce " + QuotedPath(folder) +
           ", kde ZeF uschovává kopii plánu při jeho ukládání, nejde zapisovat ani mazat: " + CzechReason(failure) +
           ". Plán je v pořádku; dokud do složky nepůjde zapisovat, zůstane v ní stará kopie a ZeF se na přerušené "
           "ukládání může zeptat znovu.";
}

std::string UnusableSettingsMessage(const std::filesystem::path& path, const FileFailure& failure)
{
    return "Soubor s nastavením " + QuotedPath(path) + " nejde použít: " + CzechReason(failure) +
           ". ZeF z něj nic nečte a při zavření ho nepřepíše; poloha okna a počty se tentokrát neuloží.";
}

std::string SettingsNotSavedMessage(const std::filesystem::path& path, const FileFailure& failure)
{
    return "Nastavení se nepodařilo uložit do souboru " + QuotedPath(path) + ": " + CzechReason(failure) + ".";
}

std::string OutOfMemoryMessage() { return "Na výpočet plánu nestačí paměť. " + std::string(kNothingComputed); }

std::string PlanTooLongProblem(const PlanTooLong& refusal)
{
    const std::string line = "Řádek " + std::to_string(refusal.line().fileLine) + " souboru " + Quoted(kPlanFileName) +
                             " (" + Quoted(DecodeWindows1250(refusal.line().text)) + ")";
    std::string needs;
    if (!refusal.countable()) {
        needs = "potřebuje víc tahů, než lze spočítat";
    } else if (refusal.runTurns() != refusal.lineTurns()) {
        needs = "potřebuje " + std::to_string(refusal.lineTurns()) + " tahů, s předchozími řádky " +
                std::to_string(refusal.runTurns()) + "; jeden výpočet jich zvládne nejvýše " +
                std::to_string(kMaxRunTurns);
    } else {
        needs = "potřebuje " + std::to_string(refusal.lineTurns()) + " tahů; jeden výpočet jich zvládne nejvýše " +
                std::to_string(kMaxRunTurns);
    }
    return line + " " + needs + ".";
}

std::string PlanTooLongMessage(const PlanTooLong& refusal)
{
    return PlanTooLongProblem(refusal) + " " + std::string(kNothingComputed);
}

}  // namespace zef
