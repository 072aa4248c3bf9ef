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
    // A folder or file path the device translates: "%InstallDir%" becomes the
    // folder the user chose, "%CEn%" the device's own folder of that number.
    void beginDeviceFolder(const QString &folder)
    {
        begin(folder);
        translateOnDevice();
    }
    void translateOnDevice() { m_xml.writeAttribute(QStringLiteral("translation"), QStringLiteral("install")); }
    void devicePathParm(const QString &name, const QString &value)
    {
        parm(name, value);
        translateOnDevice();
    }
    void empty(const QString &type)
    {
        m_xml.writeEmptyElement(QStringLiteral("characteristic"));
        m_xml.writeAttribute(QStringLiteral("type"), type);
    }
    // A parm whose presence is its meaning.
    void flagParm(const QString &name)
    {
        m_xml.writeEmptyElement(QStringLiteral("parm"));
        m_xml.writeAttribute(QStringLiteral("name"), name);
    }
    void parm(const QString &name, const QString &value)
    {
        flagParm(name);
        m_xml.writeAttribute(QStringLiteral("value"), value);
    }

    void writeInstall(const CabPlan &plan)
    {
        begin(QStringLiteral("Install"));
        parm(QStringLiteral("InstallPhase"), QStringLiteral("install"));
        parm(QStringLiteral("AppName"), plan.appName);
        devicePathParm(QStringLiteral("InstallDir"), plan.installDir);
        parm(QStringLiteral("NumDirs"), QString::number(folders(plan).size()));
        parm(QStringLiteral("NumFiles"), QString::number(plan.files.size()));
        parm(QStringLiteral("NumRegKeys"), QString::number(registryKeys(plan).size()));
        parm(QStringLiteral("NumRegVals"), QString::number(plan.registry.size()));
        parm(QStringLiteral("NumShortcuts"), QString::number(plan.shortcuts.size()));
        for (const InstallSetting &setting : plan.settings) {
            if (setting.isPath)
                devicePathParm(setting.name, setting.value);
            else
                parm(setting.name, setting.value);
        }
        end();
    }

    // Files and shortcuts alike: one characteristic per device folder, made
    // first, holding one characteristic per file name.
    template<typename Item, typename WriteContent>
    void writeFileOperation(const QList<Item> &items, WriteContent writeContent)
    {
        begin(QStringLiteral("FileOperation"));
        for (const QString &folder : distinctKeys(items, [](const Item &item) { return item.folder; })) {
            beginDeviceFolder(folder);
            empty(QStringLiteral("MakeDir"));
            for (const Item &item : items) {
                if (item.folder.compare(folder, Qt::CaseInsensitive) != 0)
                    continue;
                begin(item.fileName);
                writeContent(item);
                end();
            }
            end();
        }
        end();
    }

    void writeFiles(const CabPlan &plan)
    {
        writeFileOperation(plan.files, [&](const FileInstall &file) {
            begin(QStringLiteral("Extract"));
            parm(QStringLiteral("Source"), plan.members[file.member].name);
            for (const QString &name : file.extractParms)
                flagParm(name);
            end();
        });
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
            // The registry provisioning takes signed 32-bit integers only.
            m_xml.writeAttribute(QStringLiteral("value"), QString::number(qint32(quint32(value.number))));
            m_xml.writeAttribute(QStringLiteral("datatype"), QStringLiteral("integer"));
            break;
        }
        if (value.keepExisting)
            m_xml.writeAttribute(QStringLiteral("keepexisting"), QStringLiteral("true"));
        if (value.holdsDeviceString)
            translateOnDevice();
    }

    void writeShortcuts(const CabPlan &plan)
    {
        writeFileOperation(plan.shortcuts, [&](const ShortcutInstall &shortcut) {
            begin(QStringLiteral("Shortcut"));
            devicePathParm(QStringLiteral("Source"), shortcut.target);
            end();
        });
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
