#include <training/window/Form1.h>

#include <look/CaptionButton.h>
#include <look/Colour.h>
#include <look/Look.h>

#include <textfile/Cp1252.h>
#include <training/drill/ClockRandomSource.h>
#include <training/drill/ListCatalogue.h>
#include <training/drill/ListLoader.h>
#include <training/drill/Threshold.h>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace {

const int kColumnDrawLeft[3] = {360, 4320, 8160};
const int kColumnAnswerLeft[3] = {2100, 6060, 9900};
const int kFrameLeft[3] = {240, 4200, 8040};

struct FontChoice {
    const char* face;
    bool answersToo;
    bool italicOff;
};
const FontChoice kFonts[8] = {
    {"", false, false},
    {"Georgia", false, false},
    {"Verdana", false, false},
    {"Times New Roman", false, false},
    {"Lucida Sans", false, true},
    {"Arial", false, true},
    {"Abadi MT Condensed Light", true, true},
    {"MS Sans Serif", true, true},
};

QString fromBytes(const std::string& bytes)
{
    return QString::fromStdU16String(textfile::Cp1252::decode(bytes));
}

std::string toBytes(const QString& text)
{
    return textfile::Cp1252::encode(text.toStdU16String());
}

int slotTop(int slot)
{
    return 600 + 600 * (slot % 10);
}

}  // namespace

namespace training {

Form1::Form1(QWidget* launcher)
    : QWidget(nullptr),
      beep([] { QApplication::beep(); }),
      dataFolders{
          (QCoreApplication::applicationDirPath() + "/../share/vorlane/data").toStdString()},
      launcherWindow(launcher),
      random(std::make_unique<drill::ClockRandomSource>())
{
    setWindowTitle(QStringLiteral("ENTRAINEMENT SCRABBLE - Nouveautés ODS 6"));
    setFixedSize(look::px(11805), look::px(9780));
    setFont(look::face("MS Sans Serif", 8.25));
    look::setBackground(this, look::Colour::window);
    setAutoFillBackground(true);

    createGrid();
    createTiles();
    createBottomControls();
    createClockControls();
    createCriterionControls();
    createTimers();
    connectControls();
    windowCreation();
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { closingAllowed = true; });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { closingAllowed = true; });
}

Form1::~Form1() = default;

// ---------------------------------------------------------------- controls

QLabel* Form1::newLabel(const QString& caption, int left, int top)
{
    auto* label = new QLabel(this);
    look::placeAt(label, left, top);
    look::setCaption(label, caption);
    return label;
}

QLineEdit* Form1::newTextBox(const QString& text, int left, int top, int width, int height)
{
    auto* box = new QLineEdit(text, this);
    look::place(box, left, top, width, height);
    // A list may hold draws and solutions of any length: no box cuts them.
    box->setMaxLength(std::numeric_limits<int>::max());
    look::showStartWhenWritten(box);
    box->setCursorPosition(0);
    return box;
}

QPushButton* Form1::newButton(const QString& caption, int left, int top, int width, int height)
{
    auto* button = new look::CaptionButton(caption, this);
    look::place(button, left, top, width, height);
    return button;
}

void Form1::createGrid()
{
    for (int c = 0; c < 3; ++c) {
        Frame1[c] = new QFrame(this);
        Frame1[c]->setFrameShape(QFrame::Box);
        Frame1[c]->setFrameShadow(QFrame::Sunken);
        look::place(Frame1[c], kFrameLeft[c], 360, 3600, 6255);
    }
    for (int i = 0; i < kSlots; ++i) {
        tirage[i] = newTextBox(QString(), kColumnDrawLeft[i / 10], slotTop(i), 1600, 375);
        tirage[i]->setReadOnly(true);
        tirage[i]->setAlignment(Qt::AlignCenter);
        look::setBackground(tirage[i], look::Colour::draw);
        solution[i] = newTextBox(QString(), kColumnAnswerLeft[i / 10], slotTop(i), 1600, 375);
        solution[i]->setAlignment(Qt::AlignCenter);
        look::setBackground(solution[i], look::Colour::answer);
    }
    for (int i = 0; i + 1 < kSlots; ++i)
        setTabOrder(solution[i], solution[i + 1]);
}

void Form1::createTiles()
{
    for (int k = 0; k < kTiles; ++k) {
        Command1[k] = newButton(QString(), 3000 + 600 * k, 6960, 600, 600);
        Command1[k]->setFont(look::face("Arial", 8.25));
        look::setBackground(Command1[k], look::Colour::tile);
    }
}

void Form1::createBottomControls()
{
    Label7 = newLabel(QStringLiteral("Base"), 360, 45);
    Label7->setFont(look::face("MS Sans Serif", 9.75));
    Label7->adjustSize();
    look::setBackground(Label7, look::Colour::window);
    police = newLabel(QStringLiteral("1"), 10080, 0);
    Command3 = newButton(QStringLiteral("Changer de police"), 10200, 0, 1455, 255);
    Command2 = newButton(QStringLiteral("Command2"), 11400, 6120, 135, 375);
    restart = newButton(QStringLiteral("Nouvelle série(F8)"), 360, 7080, 1455, 375);
    restart->setEnabled(false);
    corriger = newButton(QStringLiteral("Corriger(F12)"), 8880, 7080, 1095, 375);
    corriger->setEnabled(false);
    setTabOrder(corriger, restart);  // the focus leaves a disabled "Corriger" for "Nouvelle série"
    Label4 = newLabel(QStringLiteral("Tirages restants :"), 360, 7800);
    motsleft = newTextBox(QString(), 1600, 7785, 495, 285);
    motsleft->setEnabled(false);
    recherche = newTextBox(QString(), 4560, 7770, 1215, 300);
    look::setBackground(recherche, look::Colour::answer);
    valider = newButton(QStringLiteral("Valider"), 5880, 7770, 975, 300);
    score = newLabel(QString(), 9120, 7800);
    tps = newLabel(QString(), 9120, 8160);
    for (QLabel* label : {score, tps}) {
        label->setFont(look::face("MS Sans Serif", 8.25, true));
        look::setForeground(label, look::activeTitleBar());
    }
    nbseries = newLabel(QStringLiteral("0 série déjà réalisée"), 360, 8280);
    Label8 = newLabel(QStringLiteral("Nombre de fautes :"), 8880, 8640);
    nbftot = newLabel(QString(), 10320, 8640);
    quitter = newButton(QStringLiteral("Retour au sommaire"), 10200, 9120, 1215, 495);
    voyant = newLabel(QString(), 3360, 9360);
    Line1 = {QLine(8760, 6960, 11400, 6960), QLine(8760, 9000, 11400, 9000)};
    Line2 = {QLine(8760, 6960, 8760, 9000), QLine(11400, 6960, 11400, 9000)};
}

void Form1::createClockControls()
{
    Check1 = new QCheckBox(this);
    look::place(Check1, 10200, 7080, 255, 255);
    Check1->setChecked(true);
    Label3 = newLabel(QStringLiteral("TEMPS"), 10560, 7080);
    Label1 = newLabel(QStringLiteral("Série"), 10080, 7440);
    temps = newTextBox(QStringLiteral("4:00"), 10560, 7440, 495, 285);
    Label2 = newLabel(QStringLiteral("Total"), 10080, 7800);
    tempstot = newTextBox(QStringLiteral("0:00:00"), 10560, 7800, 735, 285);
    // Only the clocks write these: correction reads the time used back from `temps`.
    temps->setReadOnly(true);
    tempstot->setReadOnly(true);
    Command5 = newButton(QStringLiteral("Pause"), 10200, 8160, 975, 255);
}

void Form1::createCriterionControls()
{
    Label5 = newLabel(QStringLiteral("Eliminer un mot après "), 360, 9120);
    seuiltxt = newTextBox(QStringLiteral("1"), 2000, 9120, 255, 285);
    look::setBackground(seuiltxt, look::Colour::threshold);
    Label6 = newLabel(QStringLiteral("réussites."), 2355, 9120);
    Command4 = newButton(QStringLiteral("Changer critère"), 360, 9360, 2775, 255);
}

void Form1::createTimers()
{
    for (QTimer** timer : {&Timer1, &Timer2, &Timer3}) {
        *timer = new QTimer(this);
        (*timer)->setInterval(1000);
    }
}

void Form1::connectControls()
{
    for (int i = 0; i < kSlots; ++i) {
        solution[i]->installEventFilter(this);
        connect(solution[i], &QLineEdit::textChanged, this, [this, i] { solution_Change(i); });
    }
    for (int k = 0; k < kTiles; ++k)
        connect(Command1[k], &QPushButton::clicked, this, [this, k] { Command1_Click(k); });
    for (QLineEdit* box : {recherche, seuiltxt, temps, tempstot})
        box->installEventFilter(this);
    for (QLineEdit* box : tirage)
        box->installEventFilter(this);  // Enter there too performs the default button
    Check1->installEventFilter(this);
    restart->installEventFilter(this);
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Check1, &QCheckBox::clicked, this, [this] { Check1_Click(); });
    connect(corriger, &QPushButton::clicked, this, [this] { corriger_Click(); });
    connect(restart, &QPushButton::clicked, this, [this] { restart_Click(); });
    connect(valider, &QPushButton::clicked, this, [this] { valider_Click(); });
    connect(quitter, &QPushButton::clicked, this, [this] { quitter_Click(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });
    connect(Timer3, &QTimer::timeout, this, [this] { Timer3_Timer(); });
}

// Runs once, when the window is first used.
void Form1::windowCreation()
{
    tileLeft = static_cast<std::int16_t>(look::left(Command1[0]));
    tileWidth = static_cast<std::int16_t>(look::twips(Command1[0]->width()));
    for (QPushButton* tile : Command1)
        look::setPoints(tile, 22);
    for (int i = 0; i < kSlots; ++i) {
        tirage[i]->setFont(look::face("Georgia", 11));
        solution[i]->setFont(look::face("Georgia", 11));
    }
    for (QWidget* control : std::initializer_list<QWidget*>{
             Frame1[0], Frame1[1], Frame1[2], Check1, Label1, Label2, Label3, Label4, Label5,
             Label6, Label8, nbseries, score, police, tps, voyant, nbftot})
        look::setBackground(control, look::Colour::window);
    fontNumber = 1;
    state().secondsLeft = 240;
    state().totalSeconds = 0;
    lettre = -1;
    state().seriesDone = 0;
    defaultButton = Command2;
    Command2->setDefault(true);
}

void Form1::setRandomSource(std::unique_ptr<drill::RandomSource> source)
{
    random = std::move(source);
}

// ---------------------------------------------------------------- start of a drill

bool Form1::commencer(const QString& fichier, int liste)
{
    drill::LoadedList loaded =
        drill::ListLoader::loadTitle(fichier.toStdString(), liste, dataFolders);
    if (!loaded.ok) {
        lastLoadMessage = QString::fromStdString(loaded.message);
        return false;
    }
    lastLoadMessage.clear();
    const std::string title = fichier.toStdString();
    logic.start(title, std::move(loaded.entries));
    look::setCaption(Label7, fichier);
    applyGridPoints(drill::ListCatalogue::gridFontSize(title));
    look::setBackground(tempstot, look::systemWindow());
    seriesDraw();
    return true;
}

void Form1::applyGridPoints(qreal points)
{
    for (int i = 0; i < kSlots; ++i) {
        look::setPoints(tirage[i], points);
        look::setPoints(solution[i], points);
    }
}

// ---------------------------------------------------------------- series draw

void Form1::seriesDraw()
{
    const drill::SeriesDraw drawn = logic.drawSeries(*random);
    motsleft->setText(QString::fromStdString(drawn.entriesLeftText));
    score->hide();
    tps->hide();
    lettre = -1;
    for (int i = 0; i < kSlots; ++i) {
        tirage[i]->clear();
        solution[i]->clear();
        QFont font = solution[i]->font();
        font.setStrikeOut(false);
        solution[i]->setFont(font);
        solution[i]->setToolTip(QString());
    }
    for (int s = 0; s < drawn.seriesSize; ++s)
        tirage[s]->setText(fromBytes(drawn.drawTexts[s]));
    unsetCursor();
    look::setBackground(seuiltxt, look::systemWindow());
    corriger->setEnabled(true);
    restart->setEnabled(false);

    // The box left behind belonged to the series just corrected: it is not graded
    // against the new one. The arrival in the first box runs even when it already
    // holds the focus, so the new series always starts highlighted.
    if (focusSlot >= 0 && focusSlot != 0)
        Timer3->stop();
    focusSlot = 0;
    solution[0]->setFocus(Qt::OtherFocusReason);
    solution_GotFocus(0);

    look::setBackground(temps, look::systemWindow());
    Timer1->start();
    if (!Timer2->isActive())
        Timer2->start();
}

void Form1::newSeries()
{
    setCursor(Qt::WaitCursor);
    seriesDraw();
}

// ---------------------------------------------------------------- correction

void Form1::correctSeries()
{
    Timer1->stop();
    Timer3->stop();
    look::setBackground(temps, look::Colour::stopped);
    restart->setEnabled(true);

    drill::CorrectionInput input;
    for (int i = 0; i < kSlots; ++i) {
        input.answers[i] = toBytes(solution[i]->text());
        input.drawTexts[i] = toBytes(tirage[i]->text());
    }
    input.criterion = criterion();
    input.threshold = threshold();
    input.timeLeftText = temps->text().toStdString();
    const drill::CorrectionResult result = logic.correctSeries(input);
    if (result.lastSlotVerdict != drill::Verdict::Unchanged)
        look::setCaption(voyant,
                         QString::fromStdString(drill::verdictCaption(result.lastSlotVerdict)));
    corriger->setEnabled(false);
    paintCorrection(result);
    if (result.finished)
        paintFinished();

    score->setText(QString::fromStdString(result.scoreText));
    score->adjustSize();
    score->show();
    look::setCaption(nbseries, QString::fromStdString(result.seriesDoneText));
    look::setCaption(nbftot, QString::fromStdString(result.errorCountText));
    tps->setText(QString::fromStdString(result.timeUsedText));
    tps->adjustSize();
    tps->show();
}

void Form1::paintCorrection(const drill::CorrectionResult& result)
{
    for (int i = 0; i < kSlots; ++i) {
        const drill::SlotCorrection& slot = result.slots[i];
        if (!slot.inSeries)
            continue;
        look::setBackground(solution[i], slot.found ? look::Colour::found : look::Colour::missed);
        solution[i]->setText(fromBytes(slot.answerText));
        solution[i]->setToolTip(fromBytes(slot.tooltip));
        QFont font = solution[i]->font();
        font.setStrikeOut(slot.struckThrough);
        solution[i]->setFont(font);
        tirage[i]->setText(fromBytes(slot.drawText));
        if (slot.drawRevealed)
            look::setBackground(tirage[i], look::Colour::found);
    }
}

void Form1::paintFinished()
{
    Timer2->stop();
    look::setBackground(tempstot, look::Colour::stopped);
    for (QPushButton* tile : Command1)
        look::setBackground(tile, look::Colour::missed);
    motsleft->setText(QStringLiteral("0"));
    showTiles(QStringLiteral(" BRAVO! "));
    restart->setEnabled(false);
}

// ---------------------------------------------------------------- answer entry

bool Form1::seriesOpen() const
{
    return corriger->isEnabled();
}

drill::Criterion Form1::criterion() const
{
    return drill::criterionFromCaption(Label6->text().toStdString());
}

double Form1::threshold() const
{
    return drill::Threshold::parse(seuiltxt->text().toStdString());
}

void Form1::solution_KeyPress(int, QChar& character)
{
    if (character >= QLatin1Char('a') && character <= QLatin1Char('z'))
        character = QChar(character.unicode() - 32);
}

void Form1::solution_Change(int index)
{
    const QString text = solution[index]->text();
    const qsizetype bound = tirage[index]->text().size();
    if (text.size() <= bound)
        return;
    // One beep per character too many. The cut is made in one step with the change
    // signal held back: removing one character per change would nest one change in the
    // other, and a long paste would run out of stack.
    {
        const QSignalBlocker quiet(solution[index]);
        const int cursor = solution[index]->cursorPosition();
        solution[index]->setText(text.left(bound));
        solution[index]->setCursorPosition(std::min(cursor, static_cast<int>(bound)));
    }
    for (qsizetype removed = bound; removed < text.size(); ++removed)
        beep();
}

void Form1::solution_GotFocus(int index)
{
    state().currentSlot = static_cast<std::int16_t>(index);
    if (seriesOpen()) {
        defaultButton = Command2;
        Command2->setDefault(true);
        valider->setDefault(false);
        if (criterion() == drill::Criterion::BySpeed) {
            logic.resetAnswerClock();
            Timer3->start();
        }
        highlightSlot(index);
    }
    showTiles(tirage[index]->text());
}

void Form1::highlightSlot(int slot)
{
    for (int k = 0; k < kSlots; ++k) {
        look::setBackground(tirage[k], k == slot ? look::Colour::currentDraw : look::Colour::draw);
        look::setBackground(solution[k],
                            k == slot ? look::Colour::currentAnswer : look::Colour::answer);
    }
}

void Form1::solution_LostFocus(int index)
{
    Timer3->stop();
    if (!seriesOpen())
        return;
    if (criterion() == drill::Criterion::BySpeed)
        gradeByTime(index);
    look::setBackground(tirage[index], look::Colour::draw);
    look::setBackground(solution[index], look::Colour::answer);
}

void Form1::gradeByTime(int slot)
{
    const drill::Verdict verdict =
        logic.gradeByTime(slot, toBytes(solution[slot]->text()), threshold());
    if (verdict != drill::Verdict::Unchanged)
        look::setCaption(voyant, QString::fromStdString(drill::verdictCaption(verdict)));
}

void Form1::focusAnswer(int slot)
{
    const int previous = focusSlot;
    if (previous >= 0 && previous != slot) {
        focusSlot = -1;
        solution_LostFocus(previous);
    }
    focusSlot = slot;
    solution[slot]->setFocus(Qt::OtherFocusReason);
    if (previous != slot)
        solution_GotFocus(slot);
}

bool Form1::solution_KeyDown(int, int key)
{
    const int current = state().currentSlot;
    switch (key) {
    case Qt::Key_Down:
        Command2_Click();
        return true;
    case Qt::Key_Up:
        focusAnswer(current != 0 ? current - 1 : kSlots - 1);
        return true;
    case Qt::Key_F12:
        if (corriger->isEnabled())
            correctSeries();
        return true;
    case Qt::Key_F8:
        if (restart->isEnabled())
            newSeries();
        return true;
    default:
        return false;
    }
}

bool Form1::restart_KeyDown(int key)
{
    if (key != Qt::Key_F8)
        return false;
    if (restart->isEnabled())
        newSeries();
    return true;
}

void Form1::Command2_Click()
{
    const int current = state().currentSlot;
    focusAnswer(current == kSlots - 1 ? 0 : current + 1);
}

void Form1::valider_Click()
{
    const int slot = state().currentSlot;
    solution[slot]->setText(recherche->text());
    recherche->clear();
    focusAnswer(slot);
    Command2_Click();
}

void Form1::showTiles(const QString& text)
{
    QString tiles = text;
    if (text.size() >= 10)
        tiles.remove(QLatin1Char('+'));
    if (tiles.isEmpty() || tiles.size() > kTiles)
        return;
    for (QPushButton* tile : Command1)
        tile->setText(QString());
    for (int k = 0; k < tiles.size(); ++k) {
        Command1[k]->setText(tiles.mid(k, 1));
        look::setLeft(Command1[k], tileLeft + k * tileWidth);
    }
}

// ---------------------------------------------------------------- buttons

void Form1::corriger_Click()
{
    if (corriger->isEnabled())
        correctSeries();
}

void Form1::restart_Click()
{
    if (restart->isEnabled())
        newSeries();
}

void Form1::Command1_Click(int index)
{
    look::setBackground(solution[state().currentSlot], look::Colour::currentAnswer);
    if (lettre == -1) {
        lettre = static_cast<std::int16_t>(index);
        return;
    }
    if (!Command1[lettre]->text().isEmpty() && !Command1[index]->text().isEmpty()) {
        const int remembered = look::left(Command1[lettre]);
        look::setLeft(Command1[lettre], look::left(Command1[index]));
        look::setLeft(Command1[index], remembered);
    }
    lettre = -1;
}

void Form1::recherche_Click()
{
    defaultButton = valider;
    valider->setDefault(true);
    Command2->setDefault(false);
    look::setBackground(solution[state().currentSlot], look::Colour::currentAnswer);
}

void Form1::Command3_Click()
{
    const FontChoice& choice = kFonts[fontNumber];
    for (int i = 0; i < kSlots; ++i) {
        look::setFace(tirage[i], QString::fromLatin1(choice.face));
        if (choice.italicOff) {
            QFont font = tirage[i]->font();
            font.setItalic(false);
            tirage[i]->setFont(font);
        }
        if (choice.answersToo)
            look::setFace(solution[i], QString::fromLatin1(choice.face));
    }
    fontNumber = static_cast<std::int16_t>(fontNumber == 7 ? 1 : fontNumber + 1);
    look::setCaption(police, QString::number(fontNumber));
}

void Form1::Command4_Click()
{
    if (criterion() == drill::Criterion::BySuccesses) {
        look::setCaption(Label5, QStringLiteral("Eliminer un mot trouvé en moins de"));
        look::setLeft(seuiltxt, look::left(seuiltxt) + 900);
        seuiltxt->setText(QStringLiteral("5"));
        look::setLeft(Label6, look::left(Label6) + 900);
        look::setCaption(Label6, QStringLiteral("secondes."));
    } else {
        look::setLeft(seuiltxt, 1800);
        seuiltxt->setText(QStringLiteral("1"));
        look::setLeft(Label6, 2160);
        look::setCaption(Label5, QStringLiteral("Eliminer un mot après"));
        look::setCaption(Label6, QStringLiteral("réussites."));
    }
}

void Form1::Command5_Click()
{
    if (Command5->text() == QLatin1String("Pause")) {
        Timer1->stop();
        Timer2->stop();
        recherche->setEnabled(false);
        Command5->setText(QStringLiteral("Reprendre"));
        setAnswerLocks(true);
    } else {
        if (corriger->isEnabled())
            Timer1->start();
        Timer2->start();
        recherche->setEnabled(true);
        Command5->setText(QStringLiteral("Pause"));
        setAnswerLocks(false);
    }
}

void Form1::setAnswerLocks(bool locked)
{
    for (QLineEdit* box : solution)
        box->setReadOnly(locked);
}

void Form1::Check1_Click()
{
    const bool shown = Check1->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{temps, tempstot, Label1, Label2})
        control->setVisible(shown);
}

// Leaving a drill. The clocks stop with it, so that a hidden series is never
// corrected while the launcher is shown.
void Form1::quitter_Click()
{
    for (QPushButton* tile : Command1)
        look::setBackground(tile, look::Colour::tile);
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    logic.leave();
    lettre = -1;
    look::setCaption(nbseries, QStringLiteral("0 série déjà réalisée."));
    look::setCaption(nbftot, QStringLiteral("0"));
    QCoreApplication::processEvents();
    hide();
    if (launcherWindow) {
        launcherWindow->show();
        launcherWindow->activateWindow();
    }
}

// ---------------------------------------------------------------- clocks

void Form1::Timer1_Timer()
{
    const drill::SeriesTick tick = logic.tickSeries();
    temps->setText(QString::fromStdString(tick.text));
    if (tick.expired)
        correctSeries();
}

void Form1::Timer2_Timer()
{
    tempstot->setText(QString::fromStdString(logic.tickDrill()));
}

void Form1::Timer3_Timer()
{
    logic.tickAnswer();
}

// ---------------------------------------------------------------- window events

int Form1::slotOfAnswer(const QObject* object) const
{
    for (int i = 0; i < kSlots; ++i)
        if (solution[i] == object)
            return i;
    return -1;
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    const int slot = slotOfAnswer(watched);
    if (slot >= 0)
        return filterAnswerEvent(slot, event);
    if (watched == restart && event->type() == QEvent::KeyPress)
        return restart_KeyDown(static_cast<QKeyEvent*>(event)->key());
    if (watched == recherche && event->type() == QEvent::MouseButtonPress)
        recherche_Click();
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (pressEnter(key))
            return true;
        if (watched == recherche)
            return filterKeyPress(recherche, key);
    }
    return QWidget::eventFilter(watched, event);
}

bool Form1::filterAnswerEvent(int slot, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Focus coming back with the window is no arrival: the box never lost it.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && focusSlot != slot) {
            focusSlot = slot;
            solution_GotFocus(slot);
        }
        return false;
    }
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && focusSlot == slot) {
            focusSlot = -1;
            solution_LostFocus(slot);
        }
        return false;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (solution_KeyDown(slot, key->key()) || pressEnter(key))
            return true;
        return filterKeyPress(solution[slot], key);
    }
    default:
        return false;
    }
}

// Enter in a text box or on the check box performs the click of the window's default button.
bool Form1::pressEnter(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    if (defaultButton && defaultButton->isEnabled())
        defaultButton->click();
    return true;
}

// The upper-case filter: a typed a..z reaches the box as A..Z.
bool Form1::filterKeyPress(QLineEdit* box, QKeyEvent* event)
{
    if (event->text().size() != 1)
        return false;
    QChar character = event->text().at(0);
    solution_KeyPress(slotOfAnswer(box), character);
    if (character == event->text().at(0))
        return false;
    QKeyEvent replaced(event->type(), event->key(), event->modifiers(), QString(character),
                       event->isAutoRepeat(), static_cast<ushort>(event->count()));
    QCoreApplication::sendEvent(box, &replaced);
    return true;
}

// Closing the window is refused while the program runs: "Retour au sommaire" is the
// way back. A session that ends or a program that quits still closes it.
void Form1::closeEvent(QCloseEvent* event)
{
    if (closingAllowed)
        event->accept();
    else
        event->ignore();
}

void Form1::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::black);
    for (const std::array<QLine, 2>* lines : {&Line1, &Line2})
        for (const QLine& line : *lines)
            painter.drawLine(look::px(line.x1()), look::px(line.y1()), look::px(line.x2()),
                             look::px(line.y2()));
}

}  // namespace training
