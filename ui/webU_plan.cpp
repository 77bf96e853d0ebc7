// The window's side of the plan file: loading it into the editor, and saving
// the editor over it only where that loses nothing the player has not seen.
#include "file_messages.h"
#include "file_replace.h"
#include "text_file.h"
#include "webU.h"
#include "windows1250_codec.h"

#include <QMessageBox>
#include <QPlainTextEdit>

namespace zef {

bool TForm1::LoadPlanEditor()
{
    const FileRead plan = ReadWholeFile(kPlanFile);
    if (plan.error) {
        ShowError(UnreadablePlanMessage(kPlanFile, *plan.error));
        return false;
    }
    Memo4->setPlainText(DecodeWindows1250(plan.bytes));
    if (!plan.missing) {
        planOnDisk_.remember(plan.bytes);
    }
    return true;
}

bool TForm1::SavePlan(const QByteArray& bytes)
{
    const PlanOnDisk::Write write = planOnDisk_.whatWritingMeans(bytes);
    // Rewriting the same bytes changes nothing and would only cost a sync.
    if (write == PlanOnDisk::Write::Needless) {
        planOnDisk_.remember(bytes);
        return true;
    }
    if (write == PlanOnDisk::Write::Unseen) {
        const QMessageBox::StandardButton answer =
            QMessageBox::question(this, QStringLiteral("ZeF"), OverwriteQuestion(kPlanFile),
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            return false;
        }
    }
    if (const std::optional<ReplaceFailure> failure = ReplaceFileVerified(kPlanFile, bytes)) {
        ShowError(PlanNotSavedMessage(kPlanFile, *failure));
        return false;
    }
    planOnDisk_.remember(bytes);
    return true;
}

}  // namespace zef
