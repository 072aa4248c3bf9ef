#pragma once

class QMimeData;

namespace talmo {

// Where copied controls go and pasted ones come from.
class TELClipboard
{
public:
    virtual ~TELClipboard();

    // nullptr when the clipboard is empty.
    virtual const QMimeData *mimeData() const = 0;
    // Replaces the clipboard's contents; takes the data.
    virtual void setMimeData(QMimeData *data) = 0;
};

// The application's clipboard.
class TELApplicationClipboard : public TELClipboard
{
public:
    const QMimeData *mimeData() const override;
    void setMimeData(QMimeData *data) override;
};

} // namespace talmo
