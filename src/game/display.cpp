// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle window: its controls, the layout on show and resize, the switch between full
// screen and a window, submissions and the solution display.
#include "game/display.h"

#include "calc/CalcFuncs.h"
#include "calc/CalcVars.h"
#include "controls/FlatButton.h"
#include "controls/GradientControl.h"
#include "game/Spoken.h"
#include "gamecore/Submission.h"
#include "look/Texts.h"
#include "platform/Accessibility.h"
#include "platform/AlignAnchors.h"
#include "platform/Colors.h"
#include "platform/Fonts.h"
#include "platform/Frame.h"
#include "platform/Guarded.h"
#include "platform/Messages.h"
#include "platform/ModalForm.h"
#include "platform/Screen.h"
#include "platform/Selection.h"
#include "platform/Shape.h"
#include "platform/Text.h"
#include "runtime/IntText.h"
#include "runtime/Random.h"
#include "runtime/Rounding.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QShowEvent>
#include <QWindow>

namespace game {

namespace {

using platform::akBottom;
using platform::akLeft;
using platform::akRight;
using platform::akTop;

const QColor Black(0, 0, 0);
const QColor Grey(128, 128, 128);

void SetBackground(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

// A panel without bevel: a plain area in a colour of its own.
QWidget *Panel(QWidget *parent, const QRect &bounds, const QColor &colour) {
    auto *panel = new QWidget(parent);
    panel->setGeometry(bounds);
    SetBackground(panel, colour);
    return panel;
}

// A term box: borderless black edit box with large white digits.
QLineEdit *TermBox(QWidget *parent, int left, const QString &accessibleName) {
    auto *box = new QLineEdit(platform::FromUtf8(look::InitialBoxText), parent);
    box->setGeometry(left, 3, 121, 39);
    box->setFrame(false);
    box->setFont(platform::DesignFont(QStringLiteral("Arial Narrow"), 27));
    SetBackground(box, Black);
    SetTextColour(box, Qt::white);
    box->setTextMargins(0, 0, 0, 0);
    box->setAccessibleName(accessibleName);
    platform::HideSelectionWithoutFocus(box);
    return box;
}

// A text the program writes leaves the caret at the start, so a long number shows its
// beginning.
void WriteText(QLineEdit *box, const QString &text) {
    box->setText(text);
    box->setCursorPosition(0);
}

QLabel *Label(QWidget *parent, const QString &caption, const QFont &font) {
    auto *label = new QLabel(caption, parent);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    SetTextColour(label, Qt::white);
    label->adjustSize();
    return label;
}

// A full-width gradient band without outline or caption.
controls::TGradientControl *Band(QWidget *parent, int top, platform::TColor from,
                                 platform::TColor to) {
    auto *band = new controls::TGradientControl(parent);
    band->setGeometry(0, top, 795, 64);
    band->setColor1(from);
    band->setColor2(to);
    band->setGradientDirection(controls::gdHorizontal);
    band->setBorderWidth(0);
    band->setBorderColor(platform::clBlack);
    band->setFontColor(platform::clBlack);
    band->setFontSize(0);
    band->setFontName(QString());
    band->setCaption(QString());
    return band;
}

platform::TShape *WhiteLine(QWidget *parent, const QRect &bounds) {
    auto *line = new platform::TShape(parent);
    line->setGeometry(bounds);
    line->setPenColor(platform::clWhite);
    return line;
}

// The four terms the boxes show for the sequence.
QStringList TermTexts(const gamecore::SeriesParams &series) {
    const auto terms = gamecore::SeriesTerms(series);
    QStringList texts;
    for (std::size_t i = 0; i < 4; ++i)
        texts << QString::number(terms[i]);
    return texts;
}

bool WindowManagerPlacesWindows() {
    const QString name = QGuiApplication::platformName();
    return name != QLatin1String("offscreen") && name != QLatin1String("minimal");
}

// The client area the controls are placed in, against which the anchors take their
// distances.
constexpr int ClientWidth = 792;
constexpr int ClientHeight = 566;
constexpr int MinimumWidth = 800;
constexpr int MinimumHeight = 300;

} // namespace

TdisplayFrm::TdisplayFrm(QWidget *owner) : QWidget(owner, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle(platform::FromUtf8(look::ApplicationTitle));
    platform::SetAccessibleRole(this, QAccessible::Window);
    SetBackground(this, Black);
    setFont(platform::DesignFont(QStringLiteral("Tahoma"), 16));
    SetTextColour(this, Qt::white);
    resize(ClientWidth, ClientHeight);

    GradientControl2 = Band(this, 0, platform::clSilver, platform::clBlack);
    platform::SetAnchors(GradientControl2, akLeft | akTop | akRight);

    Line1 = WhiteLine(this, QRect(0, 64, 795, 1));
    platform::SetAnchors(Line1, akLeft | akTop | akRight);

    GradientControl1 = Band(this, 505, platform::clBlack, platform::clSilver);
    platform::SetAccessibleRole(GradientControl1, QAccessible::StaticText);
    platform::SetAnchors(GradientControl1, akLeft | akRight | akBottom);

    Line2 = WhiteLine(this, QRect(-3, 504, 795, 1));
    platform::SetAnchors(Line2, akLeft | akRight | akBottom);

    btnExit = new controls::TFlatButton(this);
    btnExit->setGeometry(674, 520, 100, 33);
    btnExit->setCaption(platform::FromUtf8(look::ExitCaption));
    btnExit->setClickFocus(true);
    btnExit->setColor(platform::clSilver);
    btnExit->setParentColor(false);
    btnExit->setDown(false);
    btnExit->setTabStop(true);
    btnExit->setAccessibleName(platform::FromUtf8(look::ExitCaption));
    platform::SetAnchors(btnExit, akRight | akBottom);
    connect(btnExit, &controls::TFlatButton::OnClick, this,
            [this] { platform::Guarded([this] { CloseSim(); }); });

    pnIe = Panel(this, QRect(8, 144, 777, 49), Black);
    const platform::TAlign edges[] = {platform::alTop, platform::alBottom, platform::alLeft,
                                      platform::alRight};
    for (std::size_t i = 0; i < Shapes.size(); ++i) {
        Shapes[i] = WhiteLine(pnIe, QRect(0, 0, 1, 1));
        platform::SetAlign(Shapes[i], edges[i]);
    }
    ie1 = TermBox(pnIe, 2, QStringLiteral("Term 1"));
    ie2 = TermBox(pnIe, 146, QStringLiteral("Term 2"));
    ie3 = TermBox(pnIe, 290, QStringLiteral("Term 3"));
    ie4 = TermBox(pnIe, 434, QStringLiteral("Term 4"));
    for (QLineEdit *box : {ie1, ie2, ie3, ie4}) {
        box->setReadOnly(true);
        // Not a tab stop, but a click gives it the focus, so that its term can be copied.
        box->setFocusPolicy(Qt::ClickFocus);
        box->setCursor(Qt::ArrowCursor);
    }
    ieX = TermBox(pnIe, 578, QStringLiteral("Term 5, your answer"));
    ieX->installEventFilter(this);

    btnEval = new controls::TFlatButton(pnIe);
    btnEval->setGeometry(720, 5, 52, 39);
    btnEval->setCaption(platform::FromUtf8(look::OkCaption));
    btnEval->setClickFocus(true);
    btnEval->setDown(false);
    btnEval->setTabStop(true);
    btnEval->setAccessibleName(platform::FromUtf8(look::OkCaption));
    connect(btnEval, &controls::TFlatButton::OnClick, this,
            [this] { platform::Guarded([this] { Eval(); }); });

    const QFont labelFont = platform::DesignFont(QStringLiteral("Tahoma"), 13);
    const int labelLefts[] = {123, 267, 411, 555, 699};
    for (std::size_t i = 0; i < Labels.size(); ++i) {
        Labels[i] = Label(pnIe, QString::fromStdString(look::TermLabel(static_cast<int>(i) + 1)),
                          labelFont);
        Labels[i]->move(labelLefts[i], 1);
        Labels[i]->hide();
    }

    const QFont narrow = platform::DesignFont(QStringLiteral("Arial Narrow"), 24);
    lblSeries = Panel(this, QRect(8, 102, 265, 35), Black);
    lblSeries_ = Label(lblSeries, platform::FromUtf8(look::CurrentSequence), narrow);
    lblSeries_->move(0, 0);
    platform::SetAccessibleRole(pnIe, QAccessible::Grouping, lblSeries_);

    lblExpr = Panel(this, QRect(8, 206, 273, 83), Black);
    lblExpr_ = Label(lblExpr, QString(), narrow);
    lblExpr_->setGeometry(0, 0, 273, 83);
    lblExpr_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblExpr_->setWordWrap(false);
    lblExpr->hide();

    // Only now: the anchors took their distances from the smaller client area above.
    setMinimumSize(MinimumWidth, MinimumHeight);

    // The keyboard's way to the double click: F11 from wherever the focus is.
    auto *switchKey = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(switchKey, &QShortcut::activated, this,
            [this] { platform::Guarded([this] { FormDblClick(); }); });

    // Entry box, OK, Exit: the only stops of the Tab key.
    setTabOrder(ieX, btnEval);
    setTabOrder(btnEval, btnExit);
    ieX->setFocus();

    FormCreate();
}

TdisplayFrm::~TdisplayFrm() = default;

void TdisplayFrm::FormCreate() {
    runtime::Randomize();
    FPlay.SeriesNumber = 1;
    TermBoxes = {ie1, ie2, ie3, ie4};
    calc::InitVariables();
    calc::InitFunctions();
}

void TdisplayFrm::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    // A border switch shows the window again; that is no new show of the game.
    if (!FSwitchingBorder && !event->spontaneous())
        platform::Guarded([this] { FormShow(); });
}

void TdisplayFrm::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    // Placing the row moves the window itself: that resize is part of the same layout.
    if (!FSwitchingBorder && !FPlacing && isVisible())
        platform::Guarded([this] { FormResize(); });
}

void TdisplayFrm::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !FSwitchingBorder && isVisible())
        platform::Guarded([this] { KeepWindowMode(); });
}

void TdisplayFrm::mouseDoubleClickEvent(QMouseEvent *event) {
    // Only the window's own background switches; a control's double click stays its own.
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr)
        platform::Guarded([this] { FormDblClick(); });
    else
        QWidget::mouseDoubleClickEvent(event);
}

bool TdisplayFrm::eventFilter(QObject *watched, QEvent *event) {
    if (watched == ieX && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        platform::Guarded([this, key] { ieXKeyDown(key); });
    }
    return QWidget::eventFilter(watched, event);
}

void TdisplayFrm::SetEasyMode(bool easyMode) {
    FEasyMode = easyMode;
}

void TdisplayFrm::SetTestMode(bool testMode) {
    FPlay.TestMode = testMode;
}

void TdisplayFrm::SetNumSeries(std::int32_t numSeries) {
    FPlay.NumSeries = numSeries;
}

// Every show and every change of size brings a new sequence.
void TdisplayFrm::FormShow() {
    PlaceRow();
    NextSequence(Told::AtOnce);
}

void TdisplayFrm::FormResize() {
    PlaceRow();
    NextSequence(Told::WhenSettled);
}

void TdisplayFrm::ieXKeyDown(int key) {
    // The modifiers are not examined: Shift+Enter and Ctrl+Enter submit as well.
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        Eval();
    else if (key == Qt::Key_F1)
        Help();
}

void TdisplayFrm::PlaceRow() {
    const QScopedValueRollback placing(FPlacing, true);

    if (windowFlags().testFlag(Qt::FramelessWindowHint)) {
        // Where a window manager places windows (always on Wayland), it is asked for the
        // full-screen state as well; once granted, its size is not fought over.
        const bool managed = WindowManagerPlacesWindows();
        if (!managed || !windowState().testFlag(Qt::WindowFullScreen)) {
            const QRect screen(0, 0, platform::ScreenWidth(), platform::ScreenHeight());
            if (geometry() != screen)
                setGeometry(screen);
            if (managed)
                setWindowState(windowState() | Qt::WindowFullScreen);
        }
    }

    const runtime::Extended halfGap = (Line2->y() - Line1->y()) / 2.0L - pnIe->height() / 2.0L;
    const QMargins border = platform::FrameMargins(this);
    const int windowWidth = width() + border.left() + border.right();
    const runtime::Extended halfWidth = windowWidth / 2.0L - pnIe->width() / 2.0L;
    pnIe->move(static_cast<int>(runtime::RoundHalfEven(halfWidth)),
               Line1->y() + static_cast<int>(runtime::RoundHalfEven(halfGap)));
    lblSeries->move(pnIe->x() + ie1->x(), pnIe->y() - lblSeries->height() - 10);
    lblExpr->move(pnIe->x() + ie1->x(), pnIe->y() + pnIe->height() + 10);

    GradientControl1->setCaption(TestMode() ? HelpHint() : QString());
    // Black on the band's black end, barely seen: told to assistive technology by name.
    GradientControl1->setAccessibleName(GradientControl1->Caption());
}

void TdisplayFrm::NextSequence(Told told) {
    CreateSeries();
    // Once the game is complete the new sequences stay unseen, and unspoken.
    if (!pnIe->isHidden()) {
        const QString said = SequenceSpoken(TermTexts(FSeries), TestMode());
        // As the window first shows, said before the boxes change and before the focus is
        // told. A change of size comes with a flood of the window's own events, amid which
        // a screen reader drops a notification: said after them, the entry box's reset too.
        if (told == Told::AtOnce)
            platform::Announce(this, said);
        else
            platform::AnnounceWhenSettled(this, said);
    }
    ShowSeries();
}

void TdisplayFrm::FormDblClick() {
    // Changing the border hides the window and shows it anew; the control that had the
    // keyboard focus keeps it.
    QWidget *const focused = focusWidget();
    // The window shows anew: without this, its last announcement would be heard again.
    platform::EndAnnouncement(this);
    {
        const QScopedValueRollback switching(FSwitchingBorder, true);
        if (!windowFlags().testFlag(Qt::FramelessWindowHint)) {
            setWindowFlag(Qt::FramelessWindowHint, true);
            setMinimumSize(MinimumWidth, MinimumHeight);
        } else {
            setWindowState(windowState() & ~Qt::WindowFullScreen);
            setWindowFlag(Qt::FramelessWindowHint, false);
            PlaceWindowed();
        }
        platform::ShowAgain(this, focused);
    }
    PlaceRow();
    NextSequence(Told::WhenSettled);
}

void TdisplayFrm::PlaceWindowed() {
    // Sizes and positions are outer ones, the window manager's border included.
    const QSize outer(800, 600);
    platform::SetOuterGeometry(this,
                               QRect(QPoint(platform::ScreenWidth() / 2 - outer.width() / 2,
                                            platform::ScreenHeight() / 2 - outer.height() / 2),
                                     outer),
                               QSize(MinimumWidth, MinimumHeight));
}

void TdisplayFrm::KeepWindowMode() {
    if (!WindowManagerPlacesWindows())
        return;
    // A busy window manager may carry out a request after the player has switched again: a
    // full-screen request reaching the window with its border, or the leaving of full screen
    // reaching it borderless. The border tells which mode the player chose; ask again.
    const bool fullScreen = windowState().testFlag(Qt::WindowFullScreen);
    if (windowFlags().testFlag(Qt::FramelessWindowHint)) {
        if (!fullScreen && !windowState().testFlag(Qt::WindowMinimized))
            setWindowState(windowState() | Qt::WindowFullScreen);
    } else if (fullScreen) {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        PlaceWindowed();
    }
}

void TdisplayFrm::CreateSeries() {
    FSeries = gamecore::CreateSeries(FEasyMode, FSeries);
}

void TdisplayFrm::PutUpSeries(const gamecore::SeriesParams &series) {
    FSeries = series;
    ShowSeries();
}

void TdisplayFrm::ShowSeries() {
    const auto terms = gamecore::SeriesTerms(FSeries);
    for (std::size_t i = 0; i < TermBoxes.size(); ++i)
        WriteText(TermBoxes[i], QString::number(terms[i]));
    FPlay.Answer = terms[4];
    ieX->setAccessibleDescription(SequenceDescription(TermTexts(FSeries)));
    ieX->setText(platform::FromUtf8(look::InitialBoxText));
    ieX->selectAll();
    SetBoxBackgrounds(Black);
    for (QLabel *label : Labels)
        label->hide();
    lblExpr->hide();
}

void TdisplayFrm::SetBoxBackgrounds(const QColor &colour) {
    for (QLineEdit *box : {ie1, ie2, ie3, ie4, ieX})
        SetBackground(box, colour);
}

void TdisplayFrm::Help() {
    if (!TestMode())
        return;
    WriteText(ieX, QString::number(Answer()));
    SetBoxBackgrounds(Grey);
    for (QLabel *label : Labels)
        label->show();
    // The label breaks lines at "\n" only.
    lblExpr_->setText(platform::FromCp1252(gamecore::SeriesFormula(FSeries))
                          .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    lblExpr->show();
    platform::Announce(this, HelpSpoken(ieX->text(), lblExpr_->text()));
}

void TdisplayFrm::Eval() {
    const gamecore::SubmitResult result =
        gamecore::SubmitAnswer(platform::ToCp1252(ieX->text()), FPlay);
    if (result.Outcome == gamecore::TSubmitOutcome::soAborted)
        return;
    const QString text = platform::FromCp1252(result.BoxText);
    WriteText(ieX, text);
    switch (result.Outcome) {
    case gamecore::TSubmitOutcome::soAborted:
        break;
    case gamecore::TSubmitOutcome::soNotInteger:
        platform::ShowMessage(nullptr,
                              QString::fromStdString(look::NotIntegerMessage(text.toStdString())),
                              windowTitle(), platform::MsgIcon::Error);
        break;
    case gamecore::TSubmitOutcome::soWrong:
        platform::Beep();
        platform::Announce(this, WrongSpoken());
        break;
    case gamecore::TSubmitOutcome::soCompleted:
        pnIe->hide();
        lblSeries_->setText(platform::FromUtf8(look::AllCompleted));
        lblSeries_->adjustSize();
        [[fallthrough]];
    case gamecore::TSubmitOutcome::soCorrect:
        CreateSeries();
        platform::Announce(this, result.Outcome == gamecore::TSubmitOutcome::soCompleted
                                     ? CompletedSpoken()
                                     : CorrectSpoken(TermTexts(FSeries)));
        ShowSeries();
        break;
    }
}

void TdisplayFrm::CloseSim() {
    close();
}

} // namespace game
