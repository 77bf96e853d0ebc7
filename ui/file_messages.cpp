#include "file_messages.h"

#include "plan_file.h"
#include "turn_budget.h"
#include "windows1250_codec.h"

namespace zef {

namespace {
const QString kNothingComputed = QStringLiteral("Nic se nepřepočítalo.");
}  // namespace

QString CannotCreateMessage(const QString& name, const QString& reason)
{
    return QStringLiteral("Soubor „%1“ nejde vytvořit: %2.").arg(name, reason);
}

QString UnreadablePlanMessage(const QString& name, const QString& reason)
{
    return QStringLiteral("Soubor „%1“ nejde přečíst: %2. Editor zůstává prázdný a plán se do souboru neuloží, "
                          "dokud jeho přepsání nepotvrdíte.")
        .arg(name, reason);
}

QString UnreadableDataFileMessage(const QString& name, const QString& reason)
{
    return QStringLiteral("Soubor „%1“ nejde přečíst: %2. %3").arg(name, reason, kNothingComputed);
}

QString PlanNotSavedMessage(const QString& name, const ReplaceFailure& failure)
{
    if (failure.readOnly) {
        return QStringLiteral("Soubor „%1“ je jen pro čtení, plán do něj nejde uložit. %2").arg(name, kNothingComputed);
    }
    return QStringLiteral("Plán se nepodařilo uložit do souboru „%1“: %2. Soubor zůstal, jak byl. %3")
        .arg(name, failure.reason, kNothingComputed);
}

QString OverwriteQuestion(const QString& name)
{
    return QStringLiteral("Soubor „%1“ se změnil od chvíle, kdy ho toto okno načetlo nebo uložilo (nebo ho nešlo "
                          "přečíst). Přepsat ho plánem z editoru?")
        .arg(name);
}

QString PlanTooLongMessage(const PlanTooLong& refusal)
{
    const QString line = QStringLiteral("Řádek %1 souboru „%2“ („%3“)")
                             .arg(refusal.line().fileLine)
                             .arg(QString::fromLatin1(kPlanFileName))
                             .arg(DecodeWindows1250(refusal.line().text));
    QString needs;
    if (!refusal.countable()) {
        needs = QStringLiteral("potřebuje víc tahů, než lze spočítat");
    } else if (refusal.runTurns() != refusal.lineTurns()) {
        needs = QStringLiteral("potřebuje %1 tahů, s předchozími řádky %2; jeden výpočet jich zvládne nejvýše %3")
                    .arg(refusal.lineTurns())
                    .arg(refusal.runTurns())
                    .arg(kMaxRunTurns);
    } else {
        needs = QStringLiteral("potřebuje %1 tahů; jeden výpočet jich zvládne nejvýše %2")
                    .arg(refusal.lineTurns())
                    .arg(kMaxRunTurns);
    }
    return QStringLiteral("%1 %2. %3").arg(line, needs, kNothingComputed);
}

}  // namespace zef
