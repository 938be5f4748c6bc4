#pragma once

#include <QDialog>

#include <string>

class CRecordTable;
class QPushButton;
class QTreeWidget;

// The "Top 10" window: ten numbered rows of place, name, wins, losses and
// score. Modeless, a new one for every opening, freed when it closes; it
// shows the table as it stood when it was filled.
class CScoresDlg : public QDialog {
    Q_OBJECT
public:
    // The table is needed only to delete a player; without one, "Delete"
    // stays disabled.
    explicit CScoresDlg(QWidget* parent, CRecordTable* records = nullptr);

    void SetRecords(CRecordTable* records);
    // Fills the next row.
    void AddRow(const std::string& name, int wins, int losses, int score);

    void OnInitDialog();
    void OnClickList();
    void OnDelete();

    QPushButton* m_btnOK = nullptr;
    QPushButton* m_btnDelete = nullptr;
    QTreeWidget* m_list = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    void SetTexts();
    void InsertColumns();
    void InsertRows();
    void FitList();
    void ClearRows();
    void FillFromTable();
    QString SelectedName() const;
    bool ConfirmDelete(const QString& name);

    CRecordTable* m_pRecords = nullptr;
    int m_nRow = 0;  // the next row AddRow fills
};
