#include "ui/optionsdlg.h"

#include "game/globals.h"
#include "game/resources.h"
#include "store/settings.h"
#include "ui/dialogids.h"
#include "ui/dlgunits.h"
#include "ui/language.h"
#include "ui/messagebox.h"
#include "ui/pictures.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

// The texts the dialog relabels, in one language.
struct LanguageTexts {
    const char* title;
    const char* difficulty;
    const char* easy;
    const char* normal;
    const char* hard;
    const char* tradition;
    const char* showCount;
    const char* sound;
    const char* delay;
    const char* note;
    int flag;
};

constexpr LanguageTexts RUSSIAN = {
    "Опции", "Сложность *", "Легко", "Нормально", "Сложно", "Традиционная игра *",
    "Показывать число живых кораблей", "Озвучивать игру", "Задержка хода компа (мс)",
    "* При изменении этих настроек текущая игра будет прервана.", IDI_FLAG_RU};
constexpr LanguageTexts ENGLISH = {
    "Options", "Difficulty *", "Easy", "Normal", "Hard", "Tradition game *",
    "Show number of ships", "Play sound", "Delay then computer went (ms)",
    "* Current game will be stoped.", IDI_FLAG_US};

const char* const NEW_GAME_RUSSIAN =
    "Изменены настройки при которых текущая игра не может быть продолжена.\nНачать новую игру ?";
const char* const NEW_GAME_ENGLISH = "Begin new game ?";
const char* const NOT_A_NUMBER = "Please enter a positive integer.";
const char* const OUT_OF_RANGE = "Please enter an integer between %1 and %2.";

constexpr unsigned int MAX_DELAY = 1000;

void CheckOnly(QButtonGroup* group, int id)
{
    // An exclusive group cannot be emptied by unchecking; a level outside
    // the three shows no button checked.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(group->id(button) == id);
    group->setExclusive(true);
}

QPushButton* DialogButton(const char* text, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setMinimumSize(DluX(50), DluY(14));
    return button;
}

} // namespace

COptionsDlg::COptionsDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    m_btnOK = DialogButton("OK", this);
    m_btnOK->setDefault(true);
    m_btnCancel = DialogButton("Cancel", this);

    m_grpLevel = new QGroupBox(QStringLiteral("Difficulty"), this);
    m_radEasy = new QRadioButton(QStringLiteral("Easy"), m_grpLevel);
    m_radNormal = new QRadioButton(QStringLiteral("Normal"), m_grpLevel);
    m_radHard = new QRadioButton(QStringLiteral("Hard"), m_grpLevel);
    m_levelGroup = new QButtonGroup(this);
    m_levelGroup->addButton(m_radEasy, 0);
    m_levelGroup->addButton(m_radNormal, 1);
    m_levelGroup->addButton(m_radHard, 2);

    m_chkTradition = new QCheckBox(QStringLiteral("Tradition game"), this);
    m_chkShowCount = new QCheckBox(QStringLiteral("Show number of ships"), this);
    m_chkSound = new QCheckBox(QStringLiteral("Play sound"), this);

    m_grpLanguage = new QGroupBox(QString::fromUtf8("Язык/Language"), this);
    m_radRussian = new QRadioButton(QString::fromUtf8("Русский"), m_grpLanguage);
    m_radEnglish = new QRadioButton(QStringLiteral("English"), m_grpLanguage);
    m_languageGroup = new QButtonGroup(this);
    m_languageGroup->addButton(m_radRussian, 0);
    m_languageGroup->addButton(m_radEnglish, 1);
    // Any language there is a catalogue for; the two buttons stay, English
    // standing for every language but Russian.
    m_cmbLanguage = new QComboBox(m_grpLanguage);
    m_cmbLanguage->setObjectName(QStringLiteral("IDC_LANGUAGE"));
    for (const QString& language : GameLanguages())
        m_cmbLanguage->addItem(LanguageName(language), language);
    m_stcFlag = new QLabel(m_grpLanguage);
    m_stcFlag->setFixedSize(DluX(21), DluY(20));
    m_stcFlag->setAlignment(Qt::AlignCenter);

    m_stcNote = new QLabel(QStringLiteral("Static"), this);
    m_edtDelay = new QLineEdit(this);
    m_edtDelay->setFixedWidth(DluX(40));
    m_edtDelay->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_edtDelay));
    m_stcDelay = new QLabel(QStringLiteral("Static"), this);

    auto* levelLayout = new QVBoxLayout(m_grpLevel);
    levelLayout->setContentsMargins(DluX(30), DluY(5), DluX(6), DluY(5));
    levelLayout->addWidget(m_radEasy);
    levelLayout->addWidget(m_radNormal);
    levelLayout->addWidget(m_radHard);

    auto* languageButtons = new QVBoxLayout;
    languageButtons->addWidget(m_radRussian);
    languageButtons->addWidget(m_radEnglish);
    languageButtons->addWidget(m_cmbLanguage);
    auto* languageLayout = new QHBoxLayout(m_grpLanguage);
    languageLayout->setContentsMargins(DluX(14), DluY(5), DluX(14), DluY(5));
    languageLayout->addLayout(languageButtons);
    languageLayout->addStretch();
    languageLayout->addWidget(m_stcFlag);

    auto* groups = new QHBoxLayout;
    groups->addWidget(m_grpLevel, 1);
    groups->addWidget(m_grpLanguage, 1);

    auto* checks = new QVBoxLayout;
    checks->setContentsMargins(DluX(20), 0, 0, 0);
    checks->addWidget(m_chkTradition);
    checks->addWidget(m_chkShowCount);
    checks->addWidget(m_chkSound);
    auto* delayRow = new QHBoxLayout;
    delayRow->addWidget(m_edtDelay);
    delayRow->addWidget(m_stcDelay, 1);
    checks->addLayout(delayRow);

    auto* note = new QHBoxLayout;
    note->setContentsMargins(DluX(14), 0, 0, 0);
    note->addWidget(m_stcNote);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_btnOK);
    buttons->addStretch();
    buttons->addWidget(m_btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(checks);
    layout->addLayout(note);
    layout->addSpacing(DluY(4));
    layout->addLayout(buttons);

    // The template's order: the buttons first, the delay last.
    setTabOrder(m_btnOK, m_btnCancel);
    setTabOrder(m_btnCancel, m_radEasy);
    setTabOrder(m_radEasy, m_chkTradition);
    setTabOrder(m_chkTradition, m_chkShowCount);
    setTabOrder(m_chkShowCount, m_chkSound);
    setTabOrder(m_chkSound, m_radRussian);
    setTabOrder(m_radRussian, m_cmbLanguage);
    setTabOrder(m_cmbLanguage, m_edtDelay);

    connect(m_btnOK, &QPushButton::clicked, this, &COptionsDlg::OnOK);
    connect(m_btnCancel, &QPushButton::clicked, this, &COptionsDlg::reject);
    connect(m_radRussian, &QRadioButton::clicked, this, &COptionsDlg::SetRussianTexts);
    connect(m_radEnglish, &QRadioButton::clicked, this, &COptionsDlg::SetEnglishTexts);
    connect(m_radRussian, &QRadioButton::clicked, this, [this] { ShowLanguage(QStringLiteral("ru")); });
    connect(m_radEnglish, &QRadioButton::clicked, this, [this] {
        // Back to the language other than Russian chosen last, English at first.
        ShowLanguage(m_strOtherLanguage);
    });
    connect(m_cmbLanguage, &QComboBox::activated, this, [this](int index) {
        const QString language = m_cmbLanguage->itemData(index).toString();
        const bool russian = language == QLatin1String("ru");
        (russian ? m_radRussian : m_radEnglish)->setChecked(true);
        m_nLanguage = russian ? 0 : 1;
        ShowLanguage(language);
        SetTexts(!russian);
    });
}

void COptionsDlg::ShowLanguage(const QString& language)
{
    if (language != QLatin1String("ru"))
        m_strOtherLanguage = language;
    m_cmbLanguage->setCurrentIndex(m_cmbLanguage->findData(language));
}

int COptionsDlg::DoModal()
{
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void COptionsDlg::showEvent(QShowEvent* event)
{
    if (!m_bInitDone) {
        m_bInitDone = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void COptionsDlg::OnInitDialog()
{
    m_bShowCount = ShowShipCount;
    m_bSound = Sound;
    m_bTradition = Tradition;
    m_nLanguage = English;
    m_strOtherLanguage = QStringLiteral("en");
    ShowLanguage(QString::fromStdString(GameLanguage()));
    // Any level outside the three checks no button (and cannot overflow).
    m_nLevel = Level >= 1 && Level <= 3 ? Level - 1 : -1;
    m_nDelay = CompDelay;
    UpdateData(false);
    // As large as its texts need in the longer language, so that a click on
    // a language button never moves OK or Cancel from under the pointer.
    setFixedSize(SizeFor(false).expandedTo(SizeFor(true)));
    if (English)
        SetEnglishTexts();
    else
        SetRussianTexts();
}

void COptionsDlg::SetRussianTexts()
{
    SetTexts(false);
}

void COptionsDlg::SetEnglishTexts()
{
    SetTexts(true);
}

void COptionsDlg::SetTexts(bool english)
{
    const LanguageTexts& texts = english ? ENGLISH : RUSSIAN;
    m_hFlagIcon = Icon(texts.flag);
    m_stcFlag->setPixmap(Picture(texts.flag));
    setWindowTitle(QString::fromUtf8(texts.title));
    m_grpLevel->setTitle(QString::fromUtf8(texts.difficulty));
    m_radEasy->setText(QString::fromUtf8(texts.easy));
    m_radNormal->setText(QString::fromUtf8(texts.normal));
    m_radHard->setText(QString::fromUtf8(texts.hard));
    m_chkTradition->setText(QString::fromUtf8(texts.tradition));
    m_chkShowCount->setText(QString::fromUtf8(texts.showCount));
    m_chkSound->setText(QString::fromUtf8(texts.sound));
    m_stcNote->setText(QString::fromUtf8(texts.note));
    m_stcDelay->setText(QString::fromUtf8(texts.delay));
}

QSize COptionsDlg::SizeFor(bool english)
{
    SetTexts(english);
    // Only activating the layout measures the inner layouts afresh.
    layout()->invalidate();
    layout()->activate();
    return sizeHint();
}

bool COptionsDlg::UpdateData(bool save)
{
    if (!save) {
        CheckOnly(m_levelGroup, m_nLevel);
        m_chkTradition->setChecked(m_bTradition != 0);
        m_chkShowCount->setChecked(m_bShowCount != 0);
        m_chkSound->setChecked(m_bSound != 0);
        CheckOnly(m_languageGroup, m_nLanguage);
        m_edtDelay->setText(QString::number(m_nDelay));
        return true;
    }
    m_nLevel = m_levelGroup->checkedId();
    m_bTradition = m_chkTradition->isChecked();
    m_bShowCount = m_chkShowCount->isChecked();
    m_bSound = m_chkSound->isChecked();
    m_nLanguage = m_languageGroup->checkedId();
    return ReadDelay();
}

bool COptionsDlg::ReadDelay()
{
    const QString text = m_edtDelay->text();
    bool digitsOnly = !text.isEmpty();
    for (const QChar c : text)
        digitsOnly = digitsOnly && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!digitsOnly) {
        RefuseDelay(QString::fromUtf8(NOT_A_NUMBER));
        return false;
    }
    // A string of digits too long for any integer is still a number, just
    // far above the bound, so it gets the range message.
    bool fits = false;
    const qulonglong delay = text.toULongLong(&fits);
    if (!fits || delay > MAX_DELAY) {
        RefuseDelay(QString::fromUtf8(OUT_OF_RANGE).arg(0).arg(MAX_DELAY));
        return false;
    }
    m_nDelay = static_cast<unsigned int>(delay);
    return true;
}

void COptionsDlg::RefuseDelay(const QString& message)
{
    ShowMessage(this, QMessageBox::Warning, message);
    m_edtDelay->setFocus(Qt::OtherFocusReason);
    m_edtDelay->selectAll();
}

bool COptionsDlg::NeedsNewGame() const
{
    if (!GameInProgress || !m_bMayRestart)
        return false;
    const int tradition = m_bTradition ? 1 : 0;
    return tradition != Tradition || m_nLevel + 1 != Level;
}

bool COptionsDlg::ConfirmNewGame()
{
    // Asked in the language the buttons now select, Yes and No included.
    const bool english = m_nLanguage == 1;
    UseLanguage(english ? m_strOtherLanguage : QStringLiteral("ru"));
    const auto answer = ShowMessage(this, QMessageBox::Question,
                                    QString::fromUtf8(english ? NEW_GAME_ENGLISH : NEW_GAME_RUSSIAN),
                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    UseLanguage(English != 0);
    return answer == QMessageBox::Yes;
}

void COptionsDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    if (NeedsNewGame()) {
        if (!ConfirmNewGame())
            return;
        m_bNewGame = 1;
    }
    Level = m_nLevel + 1;
    Tradition = m_bTradition ? 1 : 0;
    ShowShipCount = m_bShowCount ? 1 : 0;
    Sound = m_bSound ? 1 : 0;
    ChooseLanguage(m_nLanguage != 0 ? m_strOtherLanguage.toStdString() : "ru");
    CompDelay = m_nDelay;
    QDialog::accept();
}

void COptionsDlg::accept()
{
    // Enter and every other way to accept go through the same checks as OK.
    OnOK();
}
