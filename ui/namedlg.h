#pragma once

#include <QDialog>

#include <string>

class CRecordTable;
class QComboBox;
class QPushButton;

// The dialog every new game begins with: the player's name, typed or picked
// from the table of records, and the way to the hand placement of the fleet.
class CNameDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int MAX_NAME_CHARS = 20;

    explicit CNameDlg(QWidget* parent = nullptr);

    void Setup(std::string* name, CRecordTable* records);
    int DoModal();
    void OnInitDialog();
    void OnPutShips();
    void OnOK();

    QComboBox* m_combo = nullptr;
    std::string m_strName;
    unsigned char m_bPlacedByHand = 0;
    CRecordTable* m_pRecords = nullptr;
    std::string* m_pName = nullptr;

    QPushButton* m_btnOK = nullptr;
    QPushButton* m_btnPutShips = nullptr;

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Refuse(const QString& message);
    void SetTexts();
    bool m_bInitDone = false;
};
