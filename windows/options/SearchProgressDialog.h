#pragma once

#include "model/SqlMobileSearch.h"

#include <memory>

class QLabel;
class QProgressDialog;
class QWidget;

namespace talmo {

// The progress window of the automatic search: the folder being searched,
// a bar that swings between its ends one step per folder, and Cancel.
class SearchProgressDialog : public SqlMobileSearchProgress
{
public:
    explicit SearchProgressDialog(QWidget *parent);
    ~SearchProgressDialog() override;

    void folderEntered(const QString &folder) override;
    void setText(const QString &text) override;
    void setCaption(const QString &caption) override;
    bool cancelled() override;

    QProgressDialog &dialog() const { return *m_dialog; }
    // The folder or step the dialog shows.
    QLabel &label() const { return *m_label; }

private:
    std::unique_ptr<QProgressDialog> m_dialog;
    QLabel *m_label;
    int m_step = 1;
};

} // namespace talmo
