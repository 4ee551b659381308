// Choice of an earlier study, which becomes the current study again.

#include "ui/shell/palaia.h"

#include "messages/StudyShown.h"
#include "store/base/TextPath.h"
#include "store/study/Installation.h"
#include "store/study/Study.h"
#include "store/study/StudyPath.h"
#include "store/study/StudySearch.h"
#include "store/study/StudyShelf.h"
#include "ui/report/Form13.h"
#include "ui/services/Dialogs.h"
#include "ui/services/StudyAccess.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowFrame.h"
#include "ui/services/WindowKeys.h"
#include "ui/services/WindowRegistry.h"
#include "ui/shell/arxeio.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QStyle>
#include <QTreeView>

#include <algorithm>

namespace velmora::ui {

palaia::palaia(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("palaia"));
    setWindowTitle(QStringLiteral("Εισαγωγή Προηγούμενης Μελέτης"));

    lblAnazitisi = new QLabel(QStringLiteral("&Αναζήτηση"), this);
    lblAnazitisi->setObjectName(QStringLiteral("lblAnazitisi"));
    lblAnazitisi->setGeometry(Twips::rect(360, 240, 1215, 375));
    Anazitisi = new QLineEdit(this);
    Anazitisi->setObjectName(QStringLiteral("Anazitisi"));
    Anazitisi->setGeometry(Twips::rect(1575, 240, 4170, 375));
    Anazitisi->setPlaceholderText(QStringLiteral("μέρος ονόματος ή θέσης"));
    lblAnazitisi->setBuddy(Anazitisi);
    Label1 = new QLabel(QStringLiteral("Εισαγωγή της μελέτης του Ιδιοκτήτη κ.κ."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(Twips::rect(360, 840, 5385, 375));
    EPILOGI = new QComboBox(this);
    EPILOGI->setObjectName(QStringLiteral("EPILOGI"));
    EPILOGI->setGeometry(Twips::rect(360, 1320, 5385, 375));
    EPILOGI->setMaxVisibleItems(20);
    // The list shows each owner with the site of the study beside it; once chosen, the owner.
    entries_ = new QStandardItemModel(0, 2, this);
    auto* view = new QTreeView(EPILOGI);
    view->setHeaderHidden(true);
    view->setRootIsDecorated(false);
    view->setAllColumnsShowFocus(true);
    EPILOGI->setModel(entries_);
    EPILOGI->setView(view);
    Label1->setBuddy(EPILOGI);
    Arxeiothetisi = new QPushButton(QStringLiteral("Αρχειοθέτηση"), this);
    Arxeiothetisi->setObjectName(QStringLiteral("Arxeiothetisi"));
    Arxeiothetisi->setGeometry(Twips::rect(360, 2520, 1815, 495));
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(Twips::rect(2400, 2520, 1335, 495));
    Epanafora = new QPushButton(QStringLiteral("Επαναφορά..."), this);
    Epanafora->setObjectName(QStringLiteral("Epanafora"));
    Epanafora->setGeometry(Twips::rect(3930, 2520, 1815, 495));
    setTabOrder(Anazitisi, EPILOGI);
    setTabOrder(EPILOGI, OKButton);
    setTabOrder(OKButton, Arxeiothetisi);
    setTabOrder(Arxeiothetisi, Epanafora);

    connect(EPILOGI, &QComboBox::activated, this, &palaia::EPILOGI_Click);
    connect(OKButton, &QPushButton::clicked, this, &palaia::OKButton_Click);
    connect(Arxeiothetisi, &QPushButton::clicked, this, &palaia::Arxeiothetisi_Click);
    connect(Epanafora, &QPushButton::clicked, this, &palaia::Epanafora_Click);
    connect(Anazitisi, &QLineEdit::textChanged, this, &palaia::Anazitisi_Change);
    Anazitisi->installEventFilter(this);
    WindowKeys::enterPresses(this, OKButton);
    WindowKeys::escapeCloses(this);

    WindowFrame::apply(this, WindowFrame::Frame::FixedDialogWithClose, 6105, 3630);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().topLeft() + Twips::point(2400, 1800));

    reload();
    widenToEntries();
    Anazitisi->setFocus();
}

void palaia::reload() {
    store::StudyList::Offer offer = store::StudyList::offer(StudyAccess::installation());
    studies_ = std::move(offer.studies);
    sites_.clear();
    for (const store::StudyEntry& study : studies_) {
        // An entry that names no folder of its own has no site to show.
        const std::string folder = study.folderName();
        sites_.push_back(store::StudyPath::isFolderName(folder)
                             ? messages::siteShown(store::Study(StudyAccess::installation() /
                                                                store::TextPath::fromUtf8(folder))
                                                       .details()
                                                       .valueOr({}))
                             : std::string());
    }
    Anazitisi_Change();
    StudyAccess::stored(this, offer.status);
}

void palaia::Anazitisi_Change() {
    // Narrowing the list never changes the current study: only a choice does.
    const std::string query = Anazitisi->text().toStdString();
    entries_->removeRows(0, entries_->rowCount());
    shown_.clear();
    for (std::size_t place = 0; place < studies_.size(); ++place) {
        const std::string owner = studies_[place].display();
        if (!store::StudySearch::matches(query, {owner, sites_[place]})) continue;
        shown_.push_back(place);
        auto* site = new QStandardItem(QString::fromStdString(sites_[place]));
        site->setForeground(palette().placeholderText());
        entries_->appendRow({new QStandardItem(QString::fromStdString(owner)), site});
    }
    EPILOGI->setCurrentIndex(-1);
    auto* view = static_cast<QTreeView*>(EPILOGI->view());
    view->resizeColumnToContents(0);
    view->resizeColumnToContents(1);
    const int wanted = view->columnWidth(0) + view->columnWidth(1) + 4 * view->frameWidth() +
                       view->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    view->setMinimumWidth(std::max(EPILOGI->width(), wanted));
}

bool palaia::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Anazitisi || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Down && key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    // Down and Enter lead from the search to what it found; a single study found is chosen.
    if (EPILOGI->count() == 0) return key == Qt::Key_Down;
    EPILOGI->setFocus();
    if (EPILOGI->count() == 1 && key != Qt::Key_Down) {
        EPILOGI->setCurrentIndex(0);
        EPILOGI_Click(0);
        OKButton->setFocus();
    } else {
        EPILOGI->showPopup();
    }
    return true;
}

void palaia::widenToEntries() {
    // A long owner name shows whole, in the list and once chosen, as far as the screen allows.
    EPILOGI->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    int wanted = EPILOGI->sizeHint().width();
    // Measured once: left to adjust, the box would shrink to the few entries a search leaves.
    EPILOGI->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        wanted = std::min(wanted, screen->availableGeometry().width() * 3 / 4);
    const int extra = wanted - EPILOGI->width();
    if (extra <= 0) return;
    EPILOGI->resize(wanted, EPILOGI->height());
    Label1->resize(wanted, Label1->height());
    Anazitisi->resize(Anazitisi->width() + extra, Anazitisi->height());
    OKButton->move(OKButton->x() + extra / 2, OKButton->y());
    Epanafora->move(Epanafora->x() + extra, Epanafora->y());
    setFixedWidth(width() + extra);
}

void palaia::EPILOGI_Click(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= shown_.size()) return;
    const std::size_t place = shown_[static_cast<std::size_t>(index)];
    StudyAccess::stored(
        this, store::StudyList::choose(StudyAccess::installation(), place, studies_[place]));
}

void palaia::OKButton_Click() {
    WindowRegistry::show<Form13>();
    close();
}

void palaia::Arxeiothetisi_Click() {
    const int index = EPILOGI->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= shown_.size()) {
        Dialogs::message(this, QStringLiteral("Επιλέξτε πρώτα από τον κατάλογο τη μελέτη που θα "
                                              "αρχειοθετηθεί."));
        return;
    }
    const std::size_t place = shown_[static_cast<std::size_t>(index)];
    const QString owner = QString::fromStdString(studies_[place].display());
    if (!Dialogs::ask(this,
                      QStringLiteral("Να αρχειοθετηθεί η μελέτη «%1»; Φεύγει από τον κατάλογο "
                                     "μελετών και ο φάκελός της μεταφέρεται, ολόκληρος, στον "
                                     "φάκελο «%2» του προγράμματος, από όπου επανέρχεται με την "
                                     "«Επαναφορά».")
                          .arg(owner, QString::fromUtf8(store::StudyShelf::kFolder.data(),
                                                        static_cast<qsizetype>(
                                                            store::StudyShelf::kFolder.size()))),
                      QStringLiteral("Αρχειοθέτηση"), QStringLiteral("Άκυρο")))
        return;
    const store::Status done =
        store::StudyShelf::putAway(StudyAccess::installation(), place, studies_[place]);
    if (StudyAccess::stored(this, done)) {
        QString told = QStringLiteral("Η μελέτη «%1» αρχειοθετήθηκε.").arg(owner);
        const auto current = store::Installation::currentStudy(StudyAccess::installation());
        if (!current && current.error().kind == store::Error::Kind::NoStudy)
            told += QStringLiteral(" Δεν υπάρχει πλέον τρέχουσα μελέτη: επιλέξτε ή δημιουργήστε "
                                   "μία.");
        Dialogs::message(this, told);
    }
    reload();
}

void palaia::Epanafora_Click() {
    WindowRegistry::show<arxeio>();
}

} // namespace velmora::ui
