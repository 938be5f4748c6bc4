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

const QString RUSSIAN = QStringLiteral("ru");
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

QPushButton* DialogButton(QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setMinimumSize(DluX(50), DluY(14));
    return button;
}

} // namespace

COptionsDlg::COptionsDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    m_btnOK = DialogButton(this);
    m_btnOK->setDefault(true);
    m_btnCancel = DialogButton(this);

    m_grpLevel = new QGroupBox(this);
    m_radEasy = new QRadioButton(m_grpLevel);
    m_radNormal = new QRadioButton(m_grpLevel);
    m_radHard = new QRadioButton(m_grpLevel);
    m_levelGroup = new QButtonGroup(this);
    m_levelGroup->addButton(m_radEasy, 0);
    m_levelGroup->addButton(m_radNormal, 1);
    m_levelGroup->addButton(m_radHard, 2);

    m_chkTradition = new QCheckBox(this);
    m_chkShowCount = new QCheckBox(this);
    m_chkSound = new QCheckBox(this);

    m_grpLanguage = new QGroupBox(this);
    m_radRussian = new QRadioButton(m_grpLanguage);
    m_radEnglish = new QRadioButton(m_grpLanguage);
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

    m_stcNote = new QLabel(this);
    m_edtDelay = new QLineEdit(this);
    m_edtDelay->setFixedWidth(DluX(40));
    m_edtDelay->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_edtDelay));
    m_stcDelay = new QLabel(this);

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
    connect(m_radRussian, &QRadioButton::clicked, this, [this] { ShowLanguage(RUSSIAN); });
    connect(m_radEnglish, &QRadioButton::clicked, this, [this] {
        // Back to the language other than Russian chosen last, English at first.
        ShowLanguage(m_strOtherLanguage);
    });
    connect(m_cmbLanguage, &QComboBox::activated, this, [this](int index) {
        const QString language = m_cmbLanguage->itemData(index).toString();
        const bool russian = language == RUSSIAN;
        (russian ? m_radRussian : m_radEnglish)->setChecked(true);
        m_nLanguage = russian ? 0 : 1;
        ShowLanguage(language);
        SetTexts(language);
    });
}

void COptionsDlg::ShowLanguage(const QString& language)
{
    if (language != RUSSIAN)
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
    const QString language = QString::fromStdString(GameLanguage());
    ShowLanguage(language);
    // Any level outside the three checks no button (and cannot overflow).
    m_nLevel = Level >= 1 && Level <= 3 ? Level - 1 : -1;
    m_nDelay = CompDelay;
    UpdateData(false);
    // As large as its texts need in the longest language, so that a choice
    // of language never moves OK or Cancel from under the pointer.
    QSize size;
    for (const QString& each : GameLanguages())
        size = size.expandedTo(SizeFor(each));
    setFixedSize(size);
    SetTexts(language);
}

void COptionsDlg::SetRussianTexts()
{
    SetTexts(RUSSIAN);
}

void COptionsDlg::SetEnglishTexts()
{
    SetTexts(m_strOtherLanguage);
}

QString COptionsDlg::Text(const char* source) const
{
    const QString text = m_texts.translate("COptionsDlg", source);
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

void COptionsDlg::SetTexts(const QString& language)
{
    LoadCatalogue(m_texts, language);
    const int flag = language == RUSSIAN ? IDI_FLAG_RU : IDI_FLAG_US;
    m_hFlagIcon = Icon(flag);
    m_stcFlag->setPixmap(Picture(flag));
    setWindowTitle(Text(QT_TR_NOOP("Options")));
    m_btnOK->setText(Text(QT_TR_NOOP("OK")));
    m_btnCancel->setText(Text(QT_TR_NOOP("Cancel")));
    m_grpLevel->setTitle(Text(QT_TR_NOOP("Difficulty *")));
    m_radEasy->setText(Text(QT_TR_NOOP("Easy")));
    m_radNormal->setText(Text(QT_TR_NOOP("Normal")));
    m_radHard->setText(Text(QT_TR_NOOP("Hard")));
    m_chkTradition->setText(Text(QT_TR_NOOP("Tradition game *")));
    m_chkShowCount->setText(Text(QT_TR_NOOP("Show number of ships")));
    m_chkSound->setText(Text(QT_TR_NOOP("Play sound")));
    m_grpLanguage->setTitle(Text(QT_TR_NOOP("Язык/Language")));
    m_radRussian->setText(Text(QT_TR_NOOP("Русский")));
    //: The button for every language but Russian: this language's own name.
    m_radEnglish->setText(Text(QT_TR_NOOP("English")));
    m_stcNote->setText(Text(QT_TR_NOOP("* Current game will be stoped.")));
    m_stcDelay->setText(Text(QT_TR_NOOP("Delay then computer went (ms)")));
}

QSize COptionsDlg::SizeFor(const QString& language)
{
    SetTexts(language);
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
        RefuseDelay(Text(QT_TR_NOOP("Please enter a positive integer.")));
        return false;
    }
    // A string of digits too long for any integer is still a number, just
    // far above the bound, so it gets the range message.
    bool fits = false;
    const qulonglong delay = text.toULongLong(&fits);
    if (!fits || delay > MAX_DELAY) {
        RefuseDelay(Text(QT_TR_NOOP("Please enter an integer between %1 and %2.")).arg(0).arg(MAX_DELAY));
        return false;
    }
    m_nDelay = static_cast<unsigned int>(delay);
    return true;
}

QMessageBox::StandardButton COptionsDlg::Tell(QMessageBox::Icon icon, const QString& text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::StandardButton defaultButton)
{
    // In the language the buttons now select, Qt's buttons included; the
    // game's other windows stay in the game's language behind it.
    UseQtLanguage(m_nLanguage == 1 ? m_strOtherLanguage : RUSSIAN);
    const auto answer = ShowMessage(this, icon, text, buttons, defaultButton);
    UseQtLanguage(QString::fromStdString(GameLanguage()));
    return answer;
}

void COptionsDlg::RefuseDelay(const QString& message)
{
    Tell(QMessageBox::Warning, message);
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
    const auto answer = Tell(QMessageBox::Question, Text(QT_TR_NOOP("Begin new game ?")),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
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
    ChooseLanguage(m_nLanguage != 0 ? m_strOtherLanguage.toStdString() : RUSSIAN.toStdString());
    CompDelay = m_nDelay;
    QDialog::accept();
}

void COptionsDlg::accept()
{
    // Enter and every other way to accept go through the same checks as OK.
    OnOK();
}
