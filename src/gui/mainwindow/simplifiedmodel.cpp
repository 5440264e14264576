#include "gui/mainwindow/simplifiedmodel.h"

#include "core/junctions/junctioncodes.h"
#include "gui/junctions/junctionpictures.h"

#include "core/calculate/recalculate.h"
#include "core/model/numbers.h"
#include "core/session/projectsession.h"
#include "gui/common/fieldinput.h"
#include "gui/common/startdirectory.h"
#include "gui/common/userinteraction.h"
#include "gui/common/windows.h"
#include "gui/help/formimpressum.h"
#include "gui/help/forminfo.h"
#include "gui/help/helpdocuments.h"
#include "gui/projectfile/projectdialogs.h"
#include "gui/reports/form_c.h"
#include "gui/reports/form_faset.h"
#include "gui/reports/form_nachweis.h"
#include "gui/reports/form_qrep.h"
#include "gui/variants/form_variant.h"

#include <algorithm>

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace tavix::gui {

namespace {

const QString DirectIndexAfterOpening = QStringLiteral("Direktschalldämmung: ");
const QString DirectIndexAfterEditing = QStringLiteral("Direktschalldämm-Maß ");

// "&" in a tab caption would become an access key; a flank named "Wand & Decke" keeps it.
QString tabCaption(const QString &name)
{
    QString caption = name;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

} // namespace

TSimplifiedModel::TSimplifiedModel(QWidget *parent)
    : QMainWindow(parent), m_session(new ProjectSession(this)), m_model(m_session->model()),
      m_projectDialogs(std::make_unique<ProjectDialogs>(*m_session, this))
{
    ui.setupUi(this);
    connectHandlers();
    connectFamilies();
    installFilters();
    connectSession();
    resize(defaultWindowSize());
    FormCreate();
    createDialogs();
}

ProjectModel &TSimplifiedModel::model()
{
    return m_session->model();
}

const ProjectModel &TSimplifiedModel::model() const
{
    return m_session->model();
}

// 1440 × 820 where the screen has room for it, else the available screen less the frame,
// so that a 1366 × 768 laptop shows the whole window.
QSize TSimplifiedModel::defaultWindowSize() const
{
    const QSize preferred(1440, 820);
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return preferred;
    const QSize frame(12, 40); // window-manager frame and title bar
    return preferred.boundedTo(screen->availableGeometry().size() - frame).expandedTo(minimumSizeHint());
}

// The editing dialogs are created once, after the main window, and reused.
void TSimplifiedModel::createDialogs()
{
    m_formDB = std::make_unique<TForm_DB>(m_model, this);
    connect(m_formDB.get(), &TForm_DB::liningAccepted, this, &TSimplifiedModel::liningAccepted);
    m_formSS = std::make_unique<TForm_SS>(m_model, this);
    connect(m_formSS.get(), &TForm_SS::junctionAccepted, this, &TSimplifiedModel::junctionAccepted);
    m_formBT = std::make_unique<TForm_BT>(m_model, this);
    connect(m_formBT.get(), &TForm_BT::buildUpCommitted, this, &TSimplifiedModel::buildUpCommitted);
    connect(m_formBT.get(), &TForm_BT::buildUpAccepted, this, &TSimplifiedModel::buildUpAccepted);
    m_formFaSet = std::make_unique<TForm_FaSet>(this);
    m_formC = new TForm_C(*m_session, this);
    m_formQRep = new TForm_QRep(*m_session, this);
}

// The dialogs go before the session they answer for.
TSimplifiedModel::~TSimplifiedModel()
{
    m_projectDialogs.reset();
}

void TSimplifiedModel::FormCreate()
{
    m_session->setNewProjectRequirement(TForm_Nachweis::newProjectRequirement());
    m_session->reset();
    m_creating = false;
}

void TSimplifiedModel::connectSession()
{
    connect(m_session, &ProjectSession::recalculated, this, &TSimplifiedModel::showRecalculation);
    connect(m_session, &ProjectSession::recalculationFailed, this, &TSimplifiedModel::showRecalculationError);
    connect(m_session, &ProjectSession::projectReplaced, this, &TSimplifiedModel::showReplacedProject);
    connect(m_session, &ProjectSession::fileNameChanged, this, &TSimplifiedModel::showProjectFileName);
}

// ---------------------------------------------------------------------------------------
// Wiring

void TSimplifiedModel::connectHandlers()
{
    auto both = [this](QAction *action, QToolButton *button, void (TSimplifiedModel::*handler)()) {
        if (action)
            connect(action, &QAction::triggered, this, handler);
        if (button)
            connect(button, &QToolButton::clicked, this, handler);
    };
    both(ui.FileNewItem, ui.SpeedButtonNew, &TSimplifiedModel::FileNewItemClick);
    both(ui.FileOpenItem, ui.SpeedButtonOpen, &TSimplifiedModel::FileOpenItemClick);
    both(ui.FileSaveItem, ui.SpeedButtonSaveFile, &TSimplifiedModel::FileSaveItemClick);
    both(ui.save_as, ui.SpeedButtonSave, &TSimplifiedModel::save_asClick);
    both(ui.FilePrintItem, ui.SpeedButtonPrint, &TSimplifiedModel::SpeedButtonPrintClick);
    both(ui.FileExitItem, nullptr, &TSimplifiedModel::FileExitItemClick);
    both(ui.Firmendaten1, nullptr, &TSimplifiedModel::Firmendaten1Click);
    both(ui.Berechnungsergebnisse1, ui.btn_Results, &TSimplifiedModel::btn_ResultsClick);
    both(ui.Variantenuntersuchung1, ui.button_Variant, &TSimplifiedModel::button_VariantClick);
    both(ui.Nachweis1, ui.button_Nachweis, &TSimplifiedModel::button_NachweisClick);
    both(ui.Internet1, nullptr, &TSimplifiedModel::Internet1Click);
    both(ui.Internet2, nullptr, &TSimplifiedModel::Internet2Click);
    both(ui.Handbuch, ui.SpeedButtonHandbuch, &TSimplifiedModel::HandbuchClick);
    both(ui.BeschreibungdesRechenverfahrenspdfFormat1, ui.SpeedButtonBerechnungsgrundlagen,
         &TSimplifiedModel::BeschreibungdesRechenverfahrenspdfFormat1Click);
    both(nullptr, ui.SpeedButton3, &TSimplifiedModel::BeschreibungdesRechenverfahrenspdfFormat1Click);
    both(ui.TavixPraxistipps, ui.SpeedButtonTavixTipps, &TSimplifiedModel::TavixPraxistippsClick);

    FieldTexts &f = m_model.fields;
    const std::pair<QLineEdit *, QString *> projectFields[] = {{ui.edit_Projekt, &f.Projekt},
                                                               {ui.edit_Str, &f.Str},
                                                               {ui.edit_PLZ, &f.PLZ},
                                                               {ui.edit_Ort, &f.Ort},
                                                               {ui.edit_Variante, &f.Variante}};
    for (const auto &[edit, target] : projectFields) {
        connect(edit, &QLineEdit::textChanged, this, [this, target = target](const QString &text) {
            *target = text;
            edit_ProjektChange();
        });
    }
    connect(ui.edit_TB, &QLineEdit::textChanged, this, &TSimplifiedModel::edit_TBChange);
    connect(ui.edit_room1, &QLineEdit::textChanged, this, &TSimplifiedModel::edit_room1Change);
    connect(ui.edit_room2, &QLineEdit::textChanged, this, &TSimplifiedModel::edit_room2Change);

    const auto numberTargets = numberFieldTexts(f);
    for (int k = 0; k < NumberFieldCount; ++k) {
        connect(ui.numberFields[k], &QLineEdit::textChanged, this,
                [this, target = numberTargets[k]](const QString &t) {
                    *target = t;
                    edit_Vol1Change();
                });
    }

    for (QRadioButton *r : {ui.rg_horizontal, ui.rg_vertikal})
        connect(r, &QRadioButton::clicked, this, &TSimplifiedModel::rg_horizontalClick);
    for (QRadioButton *r : {ui.rg_DnTW1, ui.rg_DnTW2})
        connect(r, &QRadioButton::clicked, this, &TSimplifiedModel::rg_DnTW1Click);

    // The tab bar changes its page on the press itself; the handler wants the new page.
    connect(ui.PageControl, &QTabWidget::tabBarClicked, this, [this](int index) {
        if (index >= 0)
            ui.PageControl->setCurrentIndex(index);
        PageControlMouseDown();
    });
    connect(ui.GrafikinZwschenablagekopieren1, &QAction::triggered, this,
            &TSimplifiedModel::GrafikinZwschenablagekopieren1Click);
    for (QLabel *image : {ui.Image1, ui.Image2}) {
        connect(image, &QLabel::customContextMenuRequested, this,
                [this, image](const QPoint &pos) { ui.graphicMenu->popup(image->mapToGlobal(pos)); });
    }
    connect(ui.copy, &QAction::triggered, this, &TSimplifiedModel::copyClick);
    connect(ui.Insert, &QAction::triggered, this, &TSimplifiedModel::InsertClick);
    connect(ui.copyVS, &QAction::triggered, this, &TSimplifiedModel::copyVSClick);
    connect(ui.InsertVS, &QAction::triggered, this, &TSimplifiedModel::InsertVSClick);
}

void TSimplifiedModel::connectFamilies()
{
    for (const BuildUpSlot slot : BuildUpSlots) {
        const int e = slot.element, s = slot.side;
        connect(ui.buildUpButton[e][s], &QPushButton::clicked, this, [this, e, s] { Button_TBClick(e, s); });
        QPlainTextEdit *memo = ui.memo[e][s];
        m_memoSlots.insert(memo, slot);
        m_memoSlots.insert(memo->viewport(), slot);
        connect(memo, &QPlainTextEdit::customContextMenuRequested, this, [this, memo](const QPoint &pos) {
            ui.buildUpMenu->popup(memo->viewport()->mapToGlobal(pos));
        });
    }
    for (const BuildUpSlot slot : LiningSlots) {
        const int e = slot.element, s = slot.side;
        connect(ui.liningButton[e][s], &QPushButton::clicked, this,
                [this, e, s] { Button_TB_VS1Click(e, s); });
        connect(ui.liningClear[e][s], &QPushButton::clicked, this,
                [this, e, s] { Button_TB_VS1clearClick(e, s); });
        QLineEdit *text = ui.liningText[e][s];
        m_liningSlots.insert(text, slot);
        connect(text, &QLineEdit::customContextMenuRequested, this,
                [this, text](const QPoint &pos) { ui.liningMenu->popup(text->mapToGlobal(pos)); });
    }
    for (int n = 1; n <= FlankCount; ++n) {
        connect(ui.button_Stoss[n], &QPushButton::clicked, this, [this, n] { button_Stoss1Click(n); });
        connect(ui.chk_id[n], &QCheckBox::clicked, this, [this, n] { chk_id_F1Click(n); });
        connect(ui.edit_Flanke[n], &QLineEdit::textChanged, this, [this, n] { edit_Flanke1Change(n); });
    }
}

void TSimplifiedModel::installFilters()
{
    for (QLineEdit *field : ui.numberFields) {
        field->installEventFilter(this);
        selectAllOnFocus(field);
    }
    for (QObject *memo : m_memoSlots.keys())
        memo->installEventFilter(this);
    for (QObject *text : m_liningSlots.keys())
        text->installEventFilter(this);
    ui.Image1->installEventFilter(this);
    ui.Image2->installEventFilter(this);
    ui.ImageTavix->installEventFilter(this);
}

bool TSimplifiedModel::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (auto *field = qobject_cast<QLineEdit *>(watched);
            field && std::find(std::begin(ui.numberFields), std::end(ui.numberFields), field) !=
                         std::end(ui.numberFields))
            return edit_AKeyPress(field, static_cast<QKeyEvent *>(event));
        break;
    case QEvent::MouseButtonPress:
        if (const auto memo = m_memoSlots.constFind(watched); memo != m_memoSlots.cend())
            Memo_TBaMouseDown(memo->element, memo->side);
        else if (const auto lining = m_liningSlots.constFind(watched); lining != m_liningSlots.cend())
            edit_VS0_1MouseDown(lining->element, lining->side);
        break;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        if (mouse->button() != Qt::LeftButton || !widget ||
            !widget->rect().contains(mouse->position().toPoint()))
            break;
        if (watched == ui.Image1 || watched == ui.Image2)
            Image1Click();
        else if (watched == ui.ImageTavix)
            ImageTavixClick();
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TSimplifiedModel::closeEvent(QCloseEvent *event)
{
    event->accept();
    FormClose(event);
}

// ---------------------------------------------------------------------------------------
// Public operations

void TSimplifiedModel::showRecalculation()
{
    // The validation writes "1" into flank areas that are not greater than 0.
    syncNumberFieldsFromModel();
    showOutcome();
    enableResultCommands(m_model.Calculated);
    drawSchematic();
}

// The previous results stay; only the fields the validation corrected are shown.
void TSimplifiedModel::showRecalculationError(const QString &message)
{
    syncNumberFieldsFromModel();
    showError(this, message);
}

// A reset hides the separating element's direct index and the file name; an opened
// project shows both. Either way the first tab is shown without highlight.
void TSimplifiedModel::showReplacedProject()
{
    refreshFromModel();
    if (m_session->fileName().isEmpty()) {
        ui.label_DirRw->hide();
        ui.label_VS->hide();
    } else {
        showDirectIndexNote(DirectIndexAfterOpening);
    }
    ui.PageControl->setCurrentIndex(0);
    if (!m_creating)
        ui.PanelTavix->setFocus();
}

void TSimplifiedModel::recalculateChanged()
{
    m_session->Recalculate();
    m_session->markChanged();
}

void TSimplifiedModel::refreshFromModel()
{
    refreshTexts();
    for (int n = 1; n <= FlankCount; ++n)
        refreshFlankTab(n);

    const bool vertical = m_model.Orientation == 1;
    {
        const QSignalBlocker h(ui.rg_horizontal), v(ui.rg_vertikal);
        (vertical ? ui.rg_vertikal : ui.rg_horizontal)->setChecked(true);
    }
    ui.Image1->setVisible(!vertical);
    ui.Image2->setVisible(vertical);

    for (const BuildUpSlot slot : LiningSlots) {
        const bool locked = isLockedRoom2(m_model, slot.element, slot.side);
        ui.liningClear[slot.element][slot.side]->setEnabled(
            !locked && !m_model.fields.VS[slot.element][slot.side].isEmpty());
    }
    applyFlankAreaVisibility();
    {
        const QSignalBlocker a(ui.rg_DnTW1), b(ui.rg_DnTW2);
        (m_model.dnTwDirection == DnTwDirection::Room1ToRoom2 ? ui.rg_DnTW1 : ui.rg_DnTW2)->setChecked(true);
    }
    setNoteShown(m_model.dnTwNoteShown);
    showOutcome();
    enableResultCommands(m_model.Calculated);
    drawSchematic();
}

void TSimplifiedModel::refreshTexts()
{
    const FieldTexts &f = m_model.fields;
    setFieldText(ui.edit_Projekt, f.Projekt);
    setFieldText(ui.edit_Str, f.Str);
    setFieldText(ui.edit_PLZ, f.PLZ);
    setFieldText(ui.edit_Ort, f.Ort);
    setFieldText(ui.edit_Variante, f.Variante);
    setFieldText(ui.edit_TB, f.TB);
    setFieldText(ui.edit_room1, f.room1);
    setFieldText(ui.edit_room2, f.room2);
    syncNumberFieldsFromModel();
    ui.PageControl->setTabText(0, QStringLiteral("Trennbauteil"));
    for (int e = 0; e < ElementCount; ++e) {
        ui.roomStrip[e][1]->setText(QLatin1Char(' ') + f.room1);
        ui.roomStrip[e][2]->setText(QLatin1Char(' ') + f.room2);
    }
    ui.memo[0][0]->setPlainText(f.Memo[0][0].join(QLatin1Char('\n')));
    for (int s = 1; s <= 2; ++s)
        showLiningText(0, s);
}

void TSimplifiedModel::refreshFlankTab(int n)
{
    const FieldTexts &f = m_model.fields;
    setFieldText(ui.edit_Flanke[n], f.Flanke[n]);
    ui.PageControl->setTabText(n, tabCaption(f.Flanke[n]));
    ui.label_resF[n]->setText(f.Flanke[n]);
    for (int s = 1; s <= 2; ++s) {
        ui.memo[n][s]->setPlainText(f.Memo[n][s].join(QLatin1Char('\n')));
        showLiningText(n, s);
    }
    {
        const QSignalBlocker blocker(ui.chk_id[n]);
        ui.chk_id[n]->setChecked(m_model.IdF[n]);
    }
    setRoom2Locked(n, m_model.IdF[n]);
    setJunctionButtonPicture(n, m_model.Stoss[n]);
}

void TSimplifiedModel::applyFlankAreaVisibility()
{
    const FlankAreaVisibility visibility = flankAreaVisibility(m_model.Stoss);
    for (int n = 1; n <= FlankCount; ++n) {
        for (int side = 1; side <= 2; ++side) {
            ui.flankAreaLabel[n][side]->setVisible(visibility.visible[n][side]);
            ui.flankArea[n][side]->setVisible(visibility.visible[n][side]);
        }
    }
}

void TSimplifiedModel::showDirectIndexNote(const QString &caption)
{
    ui.label_DirRw->setText(caption + formatResult(m_model.buildUp[0][0].Rw, localeDecimalSeparator()));
    ui.label_DirRw->show();
    ui.label_VS->show();
}

void TSimplifiedModel::showProjectFileName(const QString &path)
{
    ui.label_DatName->setText(path);
    const bool shown = !path.isEmpty();
    ui.Bevel_Datei->setVisible(shown);
    ui.lb_Datei->setVisible(shown);
    ui.label_DatName->setVisible(shown);
}

// ---------------------------------------------------------------------------------------
// Display of the model

void TSimplifiedModel::syncNumberFieldsFromModel()
{
    const auto texts = numberFieldTexts(std::as_const(m_model.fields));
    for (int k = 0; k < NumberFieldCount; ++k)
        setFieldText(ui.numberFields[k], *texts[k]);
}

void TSimplifiedModel::showOutcome()
{
    if (m_model.Calculated) {
        showResults();
        ui.resultArea->setCurrentWidget(ui.panel_results);
    } else {
        showMessages();
        ui.resultArea->setCurrentWidget(ui.panel_errorMsg);
    }
}

void TSimplifiedModel::showResults()
{
    const QChar sep = localeDecimalSeparator();
    for (int e = 0; e < ElementCount; ++e)
        ui.label_Ri[e]->setText(formatResult(m_model.Rres[e], sep));
    ui.label_Rges->setText(formatResult(m_model.RwBau, sep));
    ui.dnTwRow->setCurrentWidget(m_model.dnTwHintShown ? static_cast<QWidget *>(ui.panel_DnTW)
                                                       : ui.dnTwValues);
    if (m_model.dnTwHintShown)
        return;
    const bool forward = m_model.dnTwDirection == DnTwDirection::Room1ToRoom2;
    {
        const QSignalBlocker a(ui.rg_DnTW1), b(ui.rg_DnTW2);
        (forward ? ui.rg_DnTW1 : ui.rg_DnTW2)->setChecked(true);
    }
    setNoteShown(m_model.dnTwNoteShown);
    ui.label_DnTW->setText(formatResult(forward ? m_model.DnTw12 : m_model.DnTw21, sep));
}

void TSimplifiedModel::showMessages()
{
    ui.memo_error->setPlainText(messagePanelLines(m_model.Messages).join(QLatin1Char('\n')));
}

void TSimplifiedModel::setNoteShown(bool shown)
{
    auto *notes = qobject_cast<QStackedWidget *>(ui.lb_AnmDnTW->parentWidget());
    notes->setCurrentWidget(shown ? ui.lb_AnmDnTW : ui.lb_Vorhaltemass);
}

void TSimplifiedModel::enableResultCommands(bool enabled)
{
    ui.SpeedButtonPrint->setEnabled(enabled);
    ui.FilePrintItem->setEnabled(enabled);
    ui.btn_Results->setEnabled(enabled);
    ui.Berechnungsergebnisse1->setEnabled(enabled);
    ui.button_Variant->setEnabled(enabled);
    ui.Variantenuntersuchung1->setEnabled(enabled);
    ui.button_Nachweis->setEnabled(enabled);
    ui.Nachweis1->setEnabled(enabled);
}

void TSimplifiedModel::drawSchematic()
{
    // The colours follow the masses; preparing them costs less than tracking which edits
    // change a mass.
    const SchematicColours colours = PrepareSchematicColours(m_model, windowBackground());
    if (!m_sketch.update(m_model, colours, ui.PageControl->currentIndex()))
        return;
    // Only the visible picture needs its pixmap; switching the orientation recalculates.
    if (m_model.Orientation == 1)
        ui.Image2->setPixmap(QPixmap::fromImage(m_sketch.floor()));
    else
        ui.Image1->setPixmap(QPixmap::fromImage(m_sketch.wall()));
}

QColor TSimplifiedModel::windowBackground() const
{
    return palette().color(QPalette::Window);
}

void TSimplifiedModel::setRoom2Locked(int flank, bool locked)
{
    ui.buildUpButton[flank][2]->setEnabled(!locked);
    ui.liningButton[flank][2]->setEnabled(!locked);
    ui.memo[flank][2]->setEnabled(!locked);
    ui.liningText[flank][2]->setEnabled(!locked);
    ui.liningClear[flank][2]->setEnabled(!locked && !m_model.fields.VS[flank][2].isEmpty());
}

void TSimplifiedModel::setJunctionButtonPicture(int flank, const QString &code)
{
    ui.button_Stoss[flank]->setIcon(junctionIcon(code));
    ui.button_Stoss[flank]->setIconSize(QSize(JunctionPictureSize, JunctionPictureSize));
}

// ---------------------------------------------------------------------------------------
// Editing rules

bool TSimplifiedModel::edit_AKeyPress(QWidget *field, QKeyEvent *event)
{
    return filterDecimalKey(static_cast<QLineEdit *>(field), event);
}

void TSimplifiedModel::edit_Vol1Change()
{
    if (fillEmptyNumberFields(m_model.fields))
        syncNumberFieldsFromModel();
    if (!m_model.RecalcEnabled)
        return;
    recalculateChanged();
}

void TSimplifiedModel::edit_Flanke1Change(int flank)
{
    QLineEdit *edit = ui.edit_Flanke[flank];
    if (edit->text().isEmpty())
        setFieldText(edit, defaultFlankName(flank));
    m_model.fields.Flanke[flank] = edit->text();
    ui.PageControl->setTabText(flank, tabCaption(edit->text()));
    ui.label_resF[flank]->setText(edit->text());
    m_session->markChanged();
}

void TSimplifiedModel::roomNameChanged(int room)
{
    QLineEdit *edit = room == 1 ? ui.edit_room1 : ui.edit_room2;
    if (edit->text().isEmpty())
        setFieldText(edit, defaultRoomName(room));
    (room == 1 ? m_model.fields.room1 : m_model.fields.room2) = edit->text();
    for (int e = 0; e < ElementCount; ++e)
        ui.roomStrip[e][room]->setText(QLatin1Char(' ') + edit->text());
    m_session->markChanged();
}

void TSimplifiedModel::edit_room1Change()
{
    roomNameChanged(1);
}

void TSimplifiedModel::edit_room2Change()
{
    roomNameChanged(2);
}

void TSimplifiedModel::edit_TBChange()
{
    m_model.fields.TB = ui.edit_TB->text();
    m_session->markChanged();
}

void TSimplifiedModel::edit_ProjektChange()
{
    m_session->markChanged();
}

void TSimplifiedModel::chk_id_F1Click(int flank)
{
    const bool identical = ui.chk_id[flank]->isChecked();
    m_model.IdF[flank] = identical;
    if (identical) {
        copyFlankRoom1ToRoom2(m_model, flank);
        ui.memo[flank][2]->setPlainText(m_model.fields.Memo[flank][2].join(QLatin1Char('\n')));
        showLiningText(flank, 2);
    }
    setRoom2Locked(flank, identical);
    recalculateChanged();
}

void TSimplifiedModel::rg_horizontalClick()
{
    const bool vertical = ui.rg_vertikal->isChecked();
    m_model.Orientation = vertical ? 1 : 0;
    ui.Image1->setVisible(!vertical);
    ui.Image2->setVisible(vertical);
    recalculateChanged();
}

void TSimplifiedModel::rg_DnTW1Click()
{
    const bool forward = ui.rg_DnTW1->isChecked();
    m_model.dnTwDirection = forward ? DnTwDirection::Room1ToRoom2 : DnTwDirection::Room2ToRoom1;
    bool note = false;
    if (m_model.Vol1 < m_model.Vol2 && forward)
        note = true;
    if (m_model.Vol2 < m_model.Vol1 && !forward)
        note = true;
    m_model.dnTwNoteShown = note;
    setNoteShown(note);
    ui.label_DnTW->setText(formatResult(forward ? m_model.DnTw12 : m_model.DnTw21, localeDecimalSeparator()));
}

void TSimplifiedModel::PageControlMouseDown()
{
    m_model.Highlight = ui.PageControl->currentIndex();
    m_session->Recalculate();
}

void TSimplifiedModel::Image1Click()
{
    m_model.Highlight = 0;
    m_session->Recalculate();
}

void TSimplifiedModel::GrafikinZwschenablagekopieren1Click()
{
    const QImage &visible = m_model.Orientation == 1 ? m_sketch.floor() : m_sketch.wall();
    QGuiApplication::clipboard()->setImage(visible.copy(), QClipboard::Clipboard);
}

// ---------------------------------------------------------------------------------------
// Context slots of the build-up memos and lining fields: a right click acts on the control
// that was pressed.

void TSimplifiedModel::Memo_TBaMouseDown(int element, int side)
{
    m_buildUpContext = {element, side};
}

void TSimplifiedModel::edit_VS0_1MouseDown(int element, int side)
{
    m_liningContext = {element, side};
}

// ---------------------------------------------------------------------------------------
// Build-ups: the dialog and copy and paste through the summary memos

void TSimplifiedModel::Button_TBClick(int element, int side)
{
    m_formBT->openSlot(element, side);
}

void TSimplifiedModel::showBuildUpSummary(int element, int side)
{
    ui.memo[element][side]->setPlainText(m_model.fields.Memo[element][side].join(QLatin1Char('\n')));
    if (mirrorsToRoom2(m_model, element, side))
        ui.memo[element][2]->setPlainText(m_model.fields.Memo[element][2].join(QLatin1Char('\n')));
    if (element == 0)
        showDirectIndexNote(DirectIndexAfterEditing);
}

// The dialog commits before it may still ask about a light or unrated element, so the
// memo shows the new build-up even while the dialog stays open.
void TSimplifiedModel::buildUpCommitted(int element, int side)
{
    showBuildUpSummary(element, side);
}

void TSimplifiedModel::buildUpAccepted(int, int)
{
    recalculateChanged();
}

void TSimplifiedModel::copyClick()
{
    m_session->copyBuildUp(m_buildUpContext.element, m_buildUpContext.side);
    ui.Insert->setEnabled(true);
}

// A paste changes the project like the dialog does: closing afterwards must ask.
void TSimplifiedModel::InsertClick()
{
    if (m_session->pasteBuildUp(m_buildUpContext.element, m_buildUpContext.side))
        showBuildUpSummary(m_buildUpContext.element, m_buildUpContext.side);
}

// ---------------------------------------------------------------------------------------
// Junctions

void TSimplifiedModel::button_Stoss1Click(int flank)
{
    m_formSS->openForFlank(flank);
}

void TSimplifiedModel::junctionAccepted(int flank)
{
    setJunctionButtonPicture(flank, m_model.Stoss[flank]);
    applyFlankAreaVisibility();
    recalculateChanged();
}

// ---------------------------------------------------------------------------------------
// Linings: the dialog, copy and paste through the lining fields, and the "löschen" buttons

void TSimplifiedModel::Button_TB_VS1Click(int element, int side)
{
    m_formDB->setStartDirectory(startDirectory());
    m_formDB->openForSlot(LiningSlot{element, side});
}

void TSimplifiedModel::liningAccepted(int, int)
{
    applyLiningChange(m_formDB->lastChange());
    recalculateChanged();
}

// A lining description is often longer than its field: the field shows its beginning and
// the tool tip the whole text.
void TSimplifiedModel::showLiningText(int element, int side)
{
    QLineEdit *field = ui.liningText[element][side];
    const QString &text = m_model.fields.VS[element][side];
    setFieldText(field, text);
    field->setCursorPosition(0);
    field->setToolTip(text.isEmpty() ? LiningFieldHint : text + QLatin1Char('\n') + LiningFieldHint);
}

void TSimplifiedModel::applyLiningChange(const LiningChange &change)
{
    for (const LiningSlot &slot : change.changed)
        showLiningText(slot.element, slot.side);
    for (const LiningSlot &slot : change.enableClear)
        ui.liningClear[slot.element][slot.side]->setEnabled(true);
    for (const LiningSlot &slot : change.disableClear)
        ui.liningClear[slot.element][slot.side]->setEnabled(false);
}

// Clearing and pasting a lining change the project and count as unsaved changes; copying
// changes nothing.
void TSimplifiedModel::Button_TB_VS1clearClick(int element, int side)
{
    m_liningContext = {element, side};
    applyLiningChange(m_session->clearLining(LiningSlot{element, side}));
}

void TSimplifiedModel::copyVSClick()
{
    m_session->copyLining(LiningSlot{m_liningContext.element, m_liningContext.side});
    ui.InsertVS->setEnabled(true);
}

void TSimplifiedModel::InsertVSClick()
{
    applyLiningChange(m_session->pasteLining(LiningSlot{m_liningContext.element, m_liningContext.side}));
}

// ---------------------------------------------------------------------------------------
// Menu and tool bar commands. An empty one is connected already and waits for its window.

void TSimplifiedModel::FileNewItemClick()
{
    m_session->newProject();
}

void TSimplifiedModel::FileOpenItemClick()
{
    m_session->openProject();
}

void TSimplifiedModel::FileSaveItemClick()
{
    m_session->save();
}

void TSimplifiedModel::save_asClick()
{
    m_session->saveAs();
}

// Composes the report of the last recalculation, saves the sketch beside it into the start
// directory and hands both pages to the preview; nothing opens when either step fails.
void TSimplifiedModel::SpeedButtonPrintClick()
{
    if (!m_model.Calculated) {
        userInteraction().showMessage(this, MessageKind::Warning, noResultsWarning());
        return;
    }
    m_formFaSet->hintMissingDataOnce(this);
    const ReportCompany company = currentCompanyData();
    const ReportOutcome outcome =
        m_reportComposer.compose(m_model, company.data, QDate::currentDate(), localeDecimalSeparator());
    if (!outcome.ok()) {
        showError(this, outcome.message);
        return;
    }
    // The sketch is drawn now from the model and its field texts, not taken from the
    // screen: a renamed room shows its new name, which no recalculation has redrawn.
    const QString sketchPath = QDir(startDirectory()).filePath(reportSketchFileName(m_model.Orientation));
    const QString error = writeReportSketch(reportSketch(m_model, 1), sketchPath);
    if (!error.isEmpty()) {
        showError(this, error);
        return;
    }
    showPrintPreview(std::make_shared<ReportPainter>(
        outcome.document, reportPictures(outcome.document, reportSketch(m_model), company.logo)));
}

// The texts of the company window as they stand, also after a cancel: the report prints
// what was typed, "Firma.set" keeps what was accepted.
ReportCompany TSimplifiedModel::currentCompanyData() const
{
    return {m_formFaSet->companyData(), m_formFaSet->logo()};
}

void TSimplifiedModel::showPrintPreview(std::shared_ptr<ReportPageSource> source)
{
    m_formQRep->showReport(std::move(source), ui.edit_Projekt->text());
}

void TSimplifiedModel::FileExitItemClick()
{
    close();
}

void TSimplifiedModel::FormClose(QCloseEvent *event)
{
    if (!m_session->mayClose())
        event->ignore();
}

void TSimplifiedModel::Firmendaten1Click()
{
    m_formFaSet->setStartDirectory(startDirectory());
    m_formFaSet->openSettings();
}

void TSimplifiedModel::readCompanySettings()
{
    m_formFaSet->setStartDirectory(startDirectory());
    m_formFaSet->readCompanyFile();
}

void TSimplifiedModel::btn_ResultsClick()
{
    m_formC->FormShow();
    m_session->Recalculate();
}

void TSimplifiedModel::button_VariantClick()
{
    // The study window lives until the program ends; the study itself starts afresh each
    // time it is opened after having been closed.
    if (!m_formVariant)
        m_formVariant = new TForm_Variant(*m_session, this);
    m_formVariant->openStudy();
}

void TSimplifiedModel::button_NachweisClick()
{
    if (!m_formNachweis)
        m_formNachweis = new TForm_Nachweis(*m_session, this);
    m_formNachweis->show();
    m_formNachweis->raise();
    m_formNachweis->activateWindow();
}

void TSimplifiedModel::Internet1Click()
{
    showReusedWindow(m_formInfo, this);
}

void TSimplifiedModel::Internet2Click()
{
    showReusedWindow(m_formImpressum, this);
}

void TSimplifiedModel::HandbuchClick()
{
    openHelpDocument(this, startDirectory(), HelpDocument::Handbuch);
}

void TSimplifiedModel::BeschreibungdesRechenverfahrenspdfFormat1Click()
{
    openHelpDocument(this, startDirectory(), HelpDocument::Berechnungsgrundlagen);
}

void TSimplifiedModel::TavixPraxistippsClick()
{
    openHelpDocument(this, startDirectory(), HelpDocument::Praxistipps);
}

void TSimplifiedModel::ImageTavixClick()
{
    homepageImageClicked(ui.ImageTavix, publisherHomepage(), [this] { Internet2Click(); });
}

} // namespace tavix::gui
