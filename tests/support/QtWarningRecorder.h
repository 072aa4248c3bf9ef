#pragma once

#include <QStringList>
#include <QtGlobal>

namespace talmo::testing {

// Records the Qt warnings issued while it lives (and passes every message on
// to the handler it replaced), so a test can fail on one Qt only prints.
class QtWarningRecorder
{
public:
    QtWarningRecorder()
    {
        recorded().clear();
        m_previous = qInstallMessageHandler(&QtWarningRecorder::handle);
        previous() = m_previous;
    }
    ~QtWarningRecorder() { qInstallMessageHandler(m_previous); }
    QtWarningRecorder(const QtWarningRecorder &) = delete;
    QtWarningRecorder &operator=(const QtWarningRecorder &) = delete;

    QStringList warnings() const { return recorded(); }

private:
    static QStringList &recorded()
    {
        static QStringList messages;
        return messages;
    }
    static QtMessageHandler &previous()
    {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtWarningMsg)
            recorded().append(message);
        if (previous())
            previous()(type, context, message);
    }

    QtMessageHandler m_previous = nullptr;
};

} // namespace talmo::testing
