#include "ttallylist.h"

#include "desktop.h"
#include "protocol.h"
#include "tallyfile.h"
#include "textparse.h"
#include "theme.h"
#include "language.h"
#include "uitext.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMetaObject>
#include <QPushButton>
#include <QSignalBlocker>

#include <exception>

namespace {

constexpr int Columns = 9;
constexpr int PlayerSeats = 6;
const QString EmptySeat = QStringLiteral("<Waiting>");
const char *const NoOpponentTitle = QT_TRANSLATE_NOOP("Ttallylist", "Opponent's Tally");
const char *const NoOpponentWins = QT_TRANSLATE_NOOP("Ttallylist", "Opponent Wins:");

// Names are kept in the table as the single-byte text the wire carries. A
// line break would split the cell across lines of the grid text and shift
// every later cell of the file, so it is stored as a space.
std::string tableText(const QString &name)
{
    QString clean = name;
    clean.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return wire::encodeText(clean).toStdString();
}

QString shownText(const std::string &cell)
{
    return wire::decodeText(QByteArray::fromStdString(cell));
}

// A count of the table as the player's language writes numbers ("1.234"
// in German); English shows the file's plain digits, as it always has. The
// file keeps its plain digits whatever the language.
QString shownCount(const std::string &cell)
{
    bool ok = false;
    const qlonglong n = QString::fromStdString(cell).toLongLong(&ok);
    if (!ok || Language::current() == QLatin1String("en"))
        return shownText(cell);
    return Language::locale().toString(n);
}

QLabel *addLabel(QWidget *parent, const QString &text, const QRect &place, bool bold = false,
                 Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setFont(Theme::arial(11, bold));
    label->setAlignment(align);
    return label;
}

// A caption of the window, in the player's language.
QLabel *addCaption(QWidget *parent, const char *source, const QRect &place, bool bold = false,
                   Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    QLabel *label = addLabel(parent, QString(), place, bold, align);
    UiText::set(label, Ttallylist::staticMetaObject, source);
    return label;
}

QFrame *addPanel(QWidget *parent, const QRect &place)
{
    auto *panel = new QFrame(parent);
    panel->setGeometry(place);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Theme::paneColour);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    return panel;
}

QListWidget *addList(QWidget *parent, const char *name, const char *title, const QRect &place)
{
    QLabel *caption = addCaption(parent, title, QRect(place.left(), place.top() - 18, place.width(), 16), true);
    auto *list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(place);
    UiText::set(list, Ttallylist::staticMetaObject, title, UiText::Role::AccessibleName);
    caption->setBuddy(list);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, Theme::paneColour);
    list->setPalette(palette);
    return list;
}

QListWidgetItem *addCheckItem(QListWidget *list, const QString &text, bool checked)
{
    auto *item = new QListWidgetItem(text, list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

} // namespace

Ttallylist::Ttallylist(const QString &tallyPath, Desktop &desktop, QWidget *mainWindow)
    : GameWindow(QStringLiteral("tallylist"), QString(), QSize(447, 312), mainWindow)
    , m_path(tallyPath)
    , m_desktop(desktop)
    , stringgrid_scores(Columns, 1)
{
    UiText::set(this, staticMetaObject, QT_TR_NOOP("Tavlix - Tally List"), UiText::Role::WindowTitle);
    createControls();
    for (int col = 0; col < Columns; ++col)
        stringgrid_scores.setCell(col, 0, "0");
    loadTally();
}

void Ttallylist::createControls()
{
    m_checklist = addList(this, "checklist", QT_TR_NOOP("Players In Current Game"), QRect(8, 26, 150, 118));
    m_tallyList = addList(this, "listbox_tally", QT_TR_NOOP("Players Being Tallied"), QRect(8, 170, 150, 134));

    // A click on a check box changes the item inside the list's own mouse
    // handling; the handlers may ask a question and delete the item, so they
    // run once that handling has finished.
    connect(m_checklist, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        const int index = m_checklist->row(item);
        QMetaObject::invokeMethod(this, [this, index] { checklistClickCheck(index); }, Qt::QueuedConnection);
    });
    connect(m_tallyList, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        const int index = m_tallyList->row(item);
        QMetaObject::invokeMethod(this, [this, index] { listbox_tallyClickCheck(index); }, Qt::QueuedConnection);
    });
    connect(m_tallyList, &QListWidget::currentRowChanged, this, [this] { listbox_tallyClick(); });

    QFrame *mine = addPanel(this, QRect(168, 8, 271, 64));
    addCaption(mine, QT_TR_NOOP("Your Total Tally"), QRect(8, 3, 255, 18), true, Qt::AlignCenter);
    addCaption(mine, QT_TR_NOOP("Total Games:"), QRect(12, 23, 100, 16));
    addCaption(mine, QT_TR_NOOP("Your Wins"), QRect(12, 41, 100, 16));
    for (int n = 1; n <= 4; ++n) {
        // Columns 3 and 4 of row 0 are never counted; their labels stay hidden.
        QLabel *value = addLabel(mine, QStringLiteral("0"), QRect(120, 23 + 18 * (n - 1), 60, 16), true);
        value->setObjectName(QStringLiteral("mylabel_%1").arg(n));
        value->setVisible(n <= 2);
    }

    QFrame *his = addPanel(this, QRect(168, 80, 271, 148));
    m_hisNameTop = addCaption(his, NoOpponentTitle, QRect(8, 3, 255, 18), true, Qt::AlignCenter);
    m_hisNameTop->setObjectName(QStringLiteral("label_hisnametop"));
    //: Column heading: counted over all games
    addCaption(his, QT_TR_NOOP("Total"), QRect(150, 26, 52, 16), true, Qt::AlignCenter);
    //: Column heading: counted since the program started
    addCaption(his, QT_TR_NOOP("Session"), QRect(206, 26, 56, 16), true, Qt::AlignCenter);
    const char *const captions[] = {QT_TR_NOOP("Number of Games"), NoOpponentWins, QT_TR_NOOP("Your Wins:"),
                                    QT_TR_NOOP("Neither Won:")};
    for (int line = 0; line < 4; ++line) {
        const int top = 48 + 22 * line;
        QLabel *caption = addCaption(his, captions[line], QRect(10, top, 138, 16));
        if (line == 1) {
            m_hisName = caption;
            m_hisName->setObjectName(QStringLiteral("label_hisname"));
        }
        for (int run = 0; run < 2; ++run) {
            QLabel *value = addLabel(his, QStringLiteral("0"), QRect(150 + 56 * run, top, 52, 16), false, Qt::AlignCenter);
            value->setObjectName(QStringLiteral("label_%1").arg(line + 1 + 4 * run));
        }
    }

    QLabel *hint = addCaption(this, QT_TR_NOOP("Tick a player of the current game to keep a tally of your games "
                                               "against them; untick to stop."),
                              QRect(170, 232, 267, 34));
    hint->setWordWrap(true);

    auto *reset = new QPushButton(this);
    UiText::set(reset, staticMetaObject, QT_TR_NOOP("Reset Tally"));
    reset->setObjectName(QStringLiteral("button_reset"));
    reset->setGeometry(240, 274, 96, 28);
    connect(reset, &QPushButton::clicked, this, &Ttallylist::button_resetClick);
    auto *done = new QPushButton(this);
    UiText::set(done, staticMetaObject, QT_TR_NOOP("Done"));
    done->setObjectName(QStringLiteral("button_done"));
    done->setGeometry(343, 274, 96, 28);
    connect(done, &QPushButton::clicked, this, &Ttallylist::button_doneClick);
}

std::string Ttallylist::cell(int column, int row) const
{
    if (column < 0 || column >= stringgrid_scores.colCount() || row < 0 || row >= stringgrid_scores.rowCount())
        return {};
    return stringgrid_scores.cell(column, row);
}

void Ttallylist::setCell(int column, int row, const std::string &text)
{
    if (column < 0 || column >= stringgrid_scores.colCount() || row < 0 || row >= stringgrid_scores.rowCount())
        return;
    stringgrid_scores.setCell(column, row, text);
}

QLabel *Ttallylist::valueLabel(const char *stem, int number) const
{
    return findChild<QLabel *>(QString::fromLatin1(stem) + QString::number(number));
}

void Ttallylist::setChecked(QListWidgetItem *item, bool checked)
{
    const QSignalBlocker quiet(item->listWidget());
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

int Ttallylist::followedIndex(const QString &name) const
{
    for (int i = 0; i < m_tallyList->count(); ++i) {
        if (m_tallyList->item(i)->text().compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int Ttallylist::addit(int column, int row)
{
    // Counts stay far below this limit; a cell holding more digits than a
    // count can reach is not a count.
    const std::optional<std::uint64_t> now = parseDigits(cell(column, row), 10, 999999999);
    const int value = int(now.value_or(0)) + 1;
    setCell(column, row, std::to_string(value));
    return value;
}

void Ttallylist::addtomineincrease(int column)
{
    const int value = addit(column, 0);
    if (QLabel *label = valueLabel("mylabel_", column))
        label->setText(QString::number(value));
}

void Ttallylist::loadchecklist()
{
    const QSignalBlocker quiet(m_checklist);
    m_checklist->clear();
    const int own = ownSeat ? ownSeat() : 0;
    for (int seat = 1; seat <= PlayerSeats; ++seat) {
        if (seat == own)
            continue;
        const QString name = seatName ? seatName(seat) : EmptySeat;
        if (name.isEmpty() || name == EmptySeat)
            continue;
        addCheckItem(m_checklist, name, followedIndex(name) >= 0);
    }
}

void Ttallylist::addgame(bool thisPlayerWon, const QString &winner)
{
    loadchecklist();
    addtomineincrease(1);
    if (thisPlayerWon)
        addtomineincrease(2);

    const std::string winnerText = tableText(winner);
    for (int i = 0; i < m_checklist->count(); ++i) {
        const int index = followedIndex(m_checklist->item(i)->text());
        const int row = index + 1;
        if (index < 0 || row >= stringgrid_scores.rowCount())
            continue;
        for (int col = 1; col < Columns; ++col) {
            if (cell(col, row).empty())
                setCell(col, row, "0");
        }
        addit(1, row);
        addit(5, row);
        // The flag decides this player's win, never the winner's name: an
        // opponent may be called anything.
        if (thisPlayerWon) {
            addit(3, row);
            addit(7, row);
        } else if (cell(0, row) == winnerText) {
            addit(2, row);
            addit(6, row);
        } else {
            addit(4, row);
            addit(8, row);
        }
    }
    if (m_tallyList->currentRow() >= 0)
        showOpponent(m_tallyList->currentRow());
}

void Ttallylist::loadtally()
{
    for (int n = 1; n <= 4; ++n) {
        // An emptied cell (after a reset) counts as 0 and shows so.
        const std::string value = cell(n, 0);
        valueLabel("mylabel_", n)->setText(value.empty() ? QStringLiteral("0") : shownCount(value));
    }
    const QSignalBlocker quiet(m_tallyList);
    for (int row = 1; row < stringgrid_scores.rowCount(); ++row) {
        addCheckItem(m_tallyList, shownText(cell(0, row)), true);
        for (int col = 5; col < Columns; ++col)
            setCell(col, row, "0");
    }
}

void Ttallylist::moverow(int row)
{
    const int rows = stringgrid_scores.rowCount();
    if (row < 1 || row >= rows)
        return;
    if (rows > 2 && row < rows - 1) {
        for (int r = row; r < rows - 1; ++r) {
            for (int col = 0; col < stringgrid_scores.colCount(); ++col)
                stringgrid_scores.setCell(col, r, stringgrid_scores.cell(col, r + 1));
        }
    }
    if (rows > 1)
        stringgrid_scores.setRowCount(rows - 1);
}

void Ttallylist::checklistClickCheck(int index)
{
    QListWidgetItem *item = m_checklist->item(index);
    if (!item)
        return;
    if (followedIndex(item->text()) >= 0) {
        // Already followed: the tally stays, and so does the mark that says so.
        setChecked(item, true);
        return;
    }
    if (item->checkState() != Qt::Checked)
        return;
    {
        const QSignalBlocker quiet(m_tallyList);
        addCheckItem(m_tallyList, item->text(), true);
    }
    const int row = stringgrid_scores.rowCount();
    stringgrid_scores.setRowCount(row + 1);
    setCell(0, row, tableText(item->text()));
    for (int col = 1; col < Columns; ++col)
        setCell(col, row, "0");
}

void Ttallylist::listbox_tallyClickCheck(int index)
{
    QListWidgetItem *item = m_tallyList->item(index);
    if (!item || item->checkState() == Qt::Checked)
        return;
    const QString name = item->text();
    if (!m_desktop.askYesNo(this, tr("This will delete %1's Tally, Are you want to delete it?").arg(name))) {
        setChecked(item, true);
        return;
    }
    moverow(index + 1);
    delete m_tallyList->takeItem(index);
    for (int i = 0; i < m_checklist->count(); ++i) {
        if (m_checklist->item(i)->text().compare(name, Qt::CaseInsensitive) == 0)
            setChecked(m_checklist->item(i), false);
    }
}

void Ttallylist::listbox_tallyClick()
{
    const int index = m_tallyList->currentRow();
    if (index < 0)
        clearOpponent();
    else
        showOpponent(index);
}

void Ttallylist::showOpponent(int index)
{
    const int row = index + 1;
    for (int n = 1; n <= 8; ++n)
        valueLabel("label_", n)->setText(shownCount(cell(n, row)));
    const QString name = m_tallyList->item(index)->text();
    UiText::set(m_hisName, staticMetaObject, QT_TR_NOOP("%1 Wins:"), UiText::Role::Text, {name});
    UiText::set(m_hisNameTop, staticMetaObject, QT_TR_NOOP("%1's Tally"), UiText::Role::Text, {name});
    // A long name is cut short on screen; the whole name stays readable in
    // the tip and to screen readers.
    m_hisName->setToolTip(m_hisName->text());
    m_hisNameTop->setToolTip(m_hisNameTop->text());
}

void Ttallylist::clearOpponent()
{
    for (int n = 1; n <= 8; ++n)
        valueLabel("label_", n)->setText(QStringLiteral("0"));
    UiText::set(m_hisName, staticMetaObject, NoOpponentWins);
    UiText::set(m_hisNameTop, staticMetaObject, NoOpponentTitle);
    m_hisName->setToolTip({});
    m_hisNameTop->setToolTip({});
}

void Ttallylist::button_resetClick()
{
    if (!m_desktop.askYesNo(this, tr("Are you sure you want to reset the Tally?")))
        return;
    for (int n = 1; n <= 4; ++n) {
        valueLabel("mylabel_", n)->setText(QStringLiteral("0"));
        setCell(n, 0, "0");
    }
    if (stringgrid_scores.rowCount() > 1) {
        for (int col = 0; col < stringgrid_scores.colCount(); ++col)
            setCell(col, 0, {});
    }
    {
        const QSignalBlocker quiet(m_tallyList);
        m_tallyList->clear();
    }
    stringgrid_scores.setRowCount(1);
    clearOpponent();
    for (int i = 0; i < m_checklist->count(); ++i)
        setChecked(m_checklist->item(i), false);
}

void Ttallylist::button_doneClick()
{
    close();
}

void Ttallylist::ViewTally1Click()
{
    loadchecklist();
    showCentred();
}

void Ttallylist::loadTally()
{
    try {
        if (std::optional<StringGrid> stored = ::loadTally(m_path.toStdString())) {
            stringgrid_scores = std::move(*stored);
            loadtally();
        }
    } catch (const std::exception &e) {
        // A damaged tally file: say so and keep the fresh table. Its bytes
        // are copied aside first, so that the good file the next orderly
        // exit writes in its place destroys nothing; where they cannot be
        // copied, the file stays as it is.
        const std::string path = m_path.toStdString();
        m_mayReplaceFile = keepDamagedTally(path);
        QString text = QString::fromLocal8Bit(e.what());
        if (m_mayReplaceFile)
            text += QStringLiteral("\n\n") + tr("The damaged file is kept as %1.").arg(QString::fromStdString(damagedTallyPath(path)));
        else
            text += QStringLiteral("\n\n") + tr("The file is left as it is; results of this game are not saved.");
        m_desktop.message(m_mainWindow, text);
    }
}

void Ttallylist::saveTally()
{
    if (!m_mayReplaceFile)
        return;
    try {
        ::saveTally(m_path.toStdString(), stringgrid_scores);
    } catch (const std::exception &) {
    }
}
