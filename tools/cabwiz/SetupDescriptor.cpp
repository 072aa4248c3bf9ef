#include "tools/cabwiz/SetupDescriptor.h"

#include <QXmlStreamWriter>

namespace talmo::cabwiz {

const QString SetupDescriptor::MemberName = QStringLiteral("_setup.xml");

namespace {

// Strings of a multi-string value are separated by this private-use character.
const QChar MultiStringSeparator(0xF000);

// The distinct keys of the items, ignoring case, in the order they first occur.
template<typename Item, typename KeyOf>
QStringList distinctKeys(const QList<Item> &items, KeyOf keyOf)
{
    QStringList keys;
    for (const Item &item : items) {
        if (!keys.contains(keyOf(item), Qt::CaseInsensitive))
            keys.append(keyOf(item));
    }
    return keys;
}

QStringList folders(const CabPlan &plan)
{
    return distinctKeys(plan.files, [](const FileInstall &file) { return file.folder; });
}

QStringList registryKeys(const CabPlan &plan)
{
    return distinctKeys(plan.registry, [](const RegistryValue &value) { return value.key; });
}

class DescriptorWriter
{
public:
    explicit DescriptorWriter(QByteArray *out) : m_xml(out) { m_xml.setAutoFormatting(true); }

    void write(const CabPlan &plan)
    {
        m_xml.writeStartDocument();
        m_xml.writeStartElement(QStringLiteral("wap-provisioningdoc"));
        writeInstall(plan);
        writeFiles(plan);
        writeRegistry(plan);
        writeShortcuts(plan);
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    }

private:
    void begin(const QString &type)
    {
        m_xml.writeStartElement(QStringLiteral("characteristic"));
        m_xml.writeAttribute(QStringLiteral("type"), type);
    }
    void end() { m_xml.writeEndElement(); }
    void empty(const QString &type)
    {
        m_xml.writeEmptyElement(QStringLiteral("characteristic"));
        m_xml.writeAttribute(QStringLiteral("type"), type);
    }
    void parm(const QString &name, const QString &value)
    {
        m_xml.writeEmptyElement(QStringLiteral("parm"));
        m_xml.writeAttribute(QStringLiteral("name"), name);
        m_xml.writeAttribute(QStringLiteral("value"), value);
    }

    void writeInstall(const CabPlan &plan)
    {
        begin(QStringLiteral("Install"));
        parm(QStringLiteral("InstallPhase"), QStringLiteral("install"));
        parm(QStringLiteral("AppName"), plan.appName);
        parm(QStringLiteral("InstallDir"), plan.installDir);
        parm(QStringLiteral("NumDirs"), QString::number(folders(plan).size()));
        parm(QStringLiteral("NumFiles"), QString::number(plan.files.size()));
        parm(QStringLiteral("NumRegKeys"), QString::number(registryKeys(plan).size()));
        parm(QStringLiteral("NumRegVals"), QString::number(plan.registry.size()));
        parm(QStringLiteral("NumShortcuts"), QString::number(plan.shortcuts.size()));
        for (const InstallSetting &setting : plan.settings)
            parm(setting.name, setting.value);
        end();
    }

    void writeFiles(const CabPlan &plan)
    {
        begin(QStringLiteral("FileOperation"));
        for (const QString &folder : folders(plan)) {
            begin(folder);
            empty(QStringLiteral("MakeDir"));
            for (const FileInstall &file : plan.files) {
                if (file.folder.compare(folder, Qt::CaseInsensitive) != 0)
                    continue;
                begin(file.fileName);
                begin(QStringLiteral("Extract"));
                parm(QStringLiteral("Source"), plan.members[file.member].name);
                if (file.copyFlags != 0)
                    parm(QStringLiteral("CopyFlags"), QStringLiteral("0x%1").arg(file.copyFlags, 8, 16, QLatin1Char('0')));
                end();
                end();
            }
            end();
        }
        end();
    }

    void writeRegistry(const CabPlan &plan)
    {
        begin(QStringLiteral("Registry"));
        for (const QString &key : registryKeys(plan)) {
            begin(key);
            for (const RegistryValue &value : plan.registry) {
                if (value.key.compare(key, Qt::CaseInsensitive) == 0)
                    writeValue(value);
            }
            end();
        }
        end();
    }

    void writeValue(const RegistryValue &value)
    {
        m_xml.writeEmptyElement(QStringLiteral("parm"));
        m_xml.writeAttribute(QStringLiteral("name"), value.name);
        switch (value.type) {
        case RegistryType::String:
            m_xml.writeAttribute(QStringLiteral("value"), value.strings.value(0));
            m_xml.writeAttribute(QStringLiteral("datatype"), QStringLiteral("string"));
            break;
        case RegistryType::MultiString:
            m_xml.writeAttribute(QStringLiteral("value"), value.strings.join(MultiStringSeparator));
            m_xml.writeAttribute(QStringLiteral("datatype"), QStringLiteral("multiplestring"));
            break;
        case RegistryType::Binary:
            m_xml.writeAttribute(QStringLiteral("value"), QString::fromLatin1(value.bytes.toBase64()));
            m_xml.writeAttribute(QStringLiteral("datatype"), QStringLiteral("binary"));
            break;
        case RegistryType::DWord:
            m_xml.writeAttribute(QStringLiteral("value"), QString::number(quint32(value.number)));
            m_xml.writeAttribute(QStringLiteral("datatype"), QStringLiteral("integer"));
            break;
        }
        if (value.keepExisting)
            m_xml.writeAttribute(QStringLiteral("keepexisting"), QStringLiteral("true"));
    }

    void writeShortcuts(const CabPlan &plan)
    {
        const QStringList shortcutFolders =
            distinctKeys(plan.shortcuts, [](const ShortcutInstall &shortcut) { return shortcut.folder; });
        begin(QStringLiteral("FileOperation"));
        for (const QString &folder : shortcutFolders) {
            begin(folder);
            empty(QStringLiteral("MakeDir"));
            for (const ShortcutInstall &shortcut : plan.shortcuts) {
                if (shortcut.folder.compare(folder, Qt::CaseInsensitive) != 0)
                    continue;
                begin(shortcut.fileName);
                begin(QStringLiteral("Shortcut"));
                parm(QStringLiteral("Source"), shortcut.target);
                end();
                end();
            }
            end();
        }
        end();
    }

    QXmlStreamWriter m_xml;
};

} // namespace

QByteArray SetupDescriptor::write(const CabPlan &plan)
{
    QByteArray out;
    DescriptorWriter(&out).write(plan);
    return out;
}

} // namespace talmo::cabwiz
