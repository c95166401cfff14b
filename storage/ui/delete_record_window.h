#pragma once

#include "storage/delete_view.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace vavivor {

// frmZelDelete, "DELETE A STORED ZELOID": the record about to be deleted, with DELETE and
// CANCEL. Modeless; CANCEL and the close box only hide it.
class DeleteRecordWindow : public QWidget, public DeleteView {
    Q_OBJECT

public:
    explicit DeleteRecordWindow(QWidget* parent = nullptr);

    // DeleteView
    void setRecordCaptions(const std::string& number, const std::string& mutations,
                           const std::string& description) override;
    void setShownRecord(const ShownRecord& record) override;
    [[nodiscard]] const ShownRecord& shownRecord() const override;
    void showWindow() override;
    void hideWindow() override;

signals:
    // DELETE was clicked.
    void deleteConfirmed();

private:
    QLabel* m_number = nullptr;
    QLabel* m_mutations = nullptr;
    QLabel* m_description = nullptr;
    QPushButton* m_cancel = nullptr;
    ShownRecord m_shown;
};

} // namespace vavivor
