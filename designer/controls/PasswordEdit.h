#pragma once

#include "designer/controls/Edit.h"

namespace talmo {

// An edit that echoes its text hidden while Password is on.
class TPasswordEdit : public TEdit
{
    Q_OBJECT
    Q_PROPERTY(bool Password READ password WRITE setPassword)

public:
    explicit TPasswordEdit(QWidget *parent = nullptr);
    static const DesignPropertyTable &propertyTable();

    bool password() const { return m_password; }
    void setPassword(bool password);

protected:
    void applyEcho() override;

private:
    bool m_password = true;
};

} // namespace talmo
