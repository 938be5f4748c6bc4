#pragma once

#include <QDialog>
#include <QIcon>
#include <QMessageBox>
#include <QTranslator>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The "Options" dialog: level, rule, ship-count table, sound, language and
// the computer's delay. Its own texts follow the language chosen in it at
// once, whatever the game speaks meanwhile; the settings change only on OK.
class COptionsDlg : public QDialog {
    Q_OBJECT
public:
    explicit COptionsDlg(QWidget* parent = nullptr);

    int DoModal();
    void OnInitDialog();
    void SetRussianTexts();
    void SetEnglishTexts();
    void OnOK();

    QLabel* m_stcFlag = nullptr;
    int m_nLevel = 0;          // 0 Easy, 1 Normal, 2 Hard, -1 none
    int m_bTradition = 0;
    int m_bShowCount = 0;
    int m_bSound = 0;
    int m_nLanguage = 0;       // 0 Russian, 1 English or another language, -1 none
    QString m_strOtherLanguage;  // the one English stands for
    unsigned int m_nDelay = 0;
    unsigned char m_bNewGame = 0;
    // Whether a change of the rule or the level may begin a new game here.
    bool m_bMayRestart = true;
    QIcon m_hFlagIcon;

    QPushButton* m_btnOK = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QGroupBox* m_grpLevel = nullptr;
    QRadioButton* m_radEasy = nullptr;
    QRadioButton* m_radNormal = nullptr;
    QRadioButton* m_radHard = nullptr;
    QCheckBox* m_chkTradition = nullptr;
    QCheckBox* m_chkShowCount = nullptr;
    QCheckBox* m_chkSound = nullptr;
    QGroupBox* m_grpLanguage = nullptr;
    QRadioButton* m_radRussian = nullptr;
    QRadioButton* m_radEnglish = nullptr;
    QComboBox* m_cmbLanguage = nullptr;
    QLabel* m_stcNote = nullptr;
    QLineEdit* m_edtDelay = nullptr;
    QLabel* m_stcDelay = nullptr;

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SetTexts(const QString& language);
    // A text of this dialog in the language chosen in it.
    QString Text(const char* source) const;
    // Shows `language` in the list; one other than Russian is what English stands for.
    void ShowLanguage(const QString& language);
    // The size the dialog needs with the texts of one language.
    QSize SizeFor(const QString& language);
    // Fields to controls (false) or controls to fields with validation (true).
    bool UpdateData(bool save);
    bool ReadDelay();
    void RefuseDelay(const QString& message);
    bool NeedsNewGame() const;
    bool ConfirmNewGame();
    QMessageBox::StandardButton Tell(QMessageBox::Icon icon, const QString& text,
                                     QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                     QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    QButtonGroup* m_levelGroup = nullptr;
    QButtonGroup* m_languageGroup = nullptr;
    bool m_bInitDone = false;
    QTranslator m_texts;   // the catalogue of the language chosen in the dialog
};
