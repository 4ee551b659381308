// The studies put away, from where one is brought back to the list of studies.

#include "ui/shell/arxeio.h"

#include "messages/StudyShown.h"
#include "ui/services/Dialogs.h"
#include "ui/services/StudyAccess.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowFrame.h"
#include "ui/services/WindowKeys.h"
#include "ui/services/WindowRegistry.h"
#include "ui/shell/palaia.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace velmora::ui {

arxeio::arxeio(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("arxeio"));
    setWindowTitle(QStringLiteral("Αρχειοθετημένες μελέτες"));

    Label1 = new QLabel(QStringLiteral("&Αρχειοθετημένες μελέτες:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(Twips::rect(240, 240, 7200, 375));
    lstArxeio = new QTreeWidget(this);
    lstArxeio->setObjectName(QStringLiteral("lstArxeio"));
    lstArxeio->setGeometry(Twips::rect(240, 660, 7200, 3300));
    lstArxeio->setColumnCount(2);
    lstArxeio->setHeaderLabels({QStringLiteral("Ιδιοκτήτης"), QStringLiteral("Θέση")});
    lstArxeio->setRootIsDecorated(false);
    lstArxeio->setAllColumnsShowFocus(true);
    Label1->setBuddy(lstArxeio);
    cmdEpanafora = new QPushButton(QStringLiteral("Επαναφορά"), this);
    cmdEpanafora->setObjectName(QStringLiteral("cmdEpanafora"));
    cmdEpanafora->setGeometry(Twips::rect(3960, 4140, 1680, 495));
    cmdClose = new QPushButton(QStringLiteral("Κλείσιμο"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(Twips::rect(5760, 4140, 1680, 495));

    connect(cmdEpanafora, &QPushButton::clicked, this, &arxeio::cmdEpanafora_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(lstArxeio, &QTreeWidget::itemDoubleClicked, this, &arxeio::cmdEpanafora_Click);
    WindowKeys::enterPresses(this, cmdEpanafora);
    WindowKeys::escapeCloses(this, cmdClose);
    WindowFrame::apply(this, WindowFrame::Frame::FixedDialogWithClose, 7680, 4875);

    fill();
    lstArxeio->setFocus();
}

void arxeio::fill() {
    shelved_ = store::StudyShelf::shelved(StudyAccess::installation());
    lstArxeio->clear();
    for (const store::StudyShelf::Shelved& study : shelved_) {
        auto* item = new QTreeWidgetItem(lstArxeio);
        // The folder's own name tells apart two put-away studies of one owner.
        const bool renamed = study.name != study.owner.folderName();
        item->setText(0, QString::fromStdString(study.owner.display() +
                                                (renamed ? " (" + study.name + ")" : "")));
        item->setText(1, QString::fromStdString(messages::siteShown(study.details)));
    }
    lstArxeio->resizeColumnToContents(0);
    if (lstArxeio->topLevelItemCount() > 0) lstArxeio->setCurrentItem(lstArxeio->topLevelItem(0));
    cmdEpanafora->setEnabled(!shelved_.empty());
}

void arxeio::cmdEpanafora_Click() {
    const int index = lstArxeio->indexOfTopLevelItem(lstArxeio->currentItem());
    if (index < 0 || static_cast<std::size_t>(index) >= shelved_.size()) return;
    const store::StudyShelf::Shelved& study = shelved_[static_cast<std::size_t>(index)];
    const QString owner = QString::fromStdString(study.owner.display());
    const store::Status done =
        store::StudyShelf::bringBack(StudyAccess::installation(), study.name);
    if (StudyAccess::stored(this, done))
        Dialogs::message(
            this, QStringLiteral("Η μελέτη «%1» επανήλθε στον κατάλογο μελετών.").arg(owner));
    fill();
    if (auto* list = WindowRegistry::find<palaia>()) list->reload();
}

} // namespace velmora::ui
