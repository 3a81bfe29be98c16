// saveddesign.cpp: writing and checked reading of the saved design with QDataStream.
#include "saveddesign.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <algorithm>
#include <string>

#include "clipfile.h"
#include "designerror.h"

namespace varn {

namespace {

constexpr char kSignature[8] = {'V', 'a', 'r', 'n', 'D', 's', 'g', 'n'};
constexpr quint16 kFormatVersion = 1;
constexpr int kMaxIndex = 32767;

enum Tag : quint8 { kInteger = 1, kBoolean = 2, kText = 3, kBytes = 4 };

QByteArray toQt(std::span<const std::uint8_t> bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

QByteArray toQt(const std::string& text) {
    return toQt({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

void writeValue(QDataStream& out, const PropertyValue& value) {
    if (const auto* number = std::get_if<std::int16_t>(&value)) {
        out << quint8{kInteger} << qint16{*number};
    } else if (const auto* flag = std::get_if<bool>(&value)) {
        out << quint8{kBoolean} << *flag;
    } else if (const auto* text = std::get_if<std::string>(&value)) {
        // What could not be read back must not be saved.
        if (text->size() > SavedDesign::kMaxTextLength) throw DesignError("a text is too long");
        out << quint8{kText} << toQt(*text);
    } else {
        const ByteArray& bytes = std::get<ByteArray>(value);
        if (bytes.size() > ClipFile::kMaxClipBytes + 1) throw DesignError("a clip is too long");
        out << quint8{kBytes} << toQt(bytes);
    }
}

// Reads from a stream over the whole input and turns every flaw into a DesignError.
class Reader {
  public:
    explicit Reader(QDataStream& in) : m_in(in) {}

    template <typename T>
    T number() {
        T value{};
        m_in >> value;
        check();
        return value;
    }

    // Qt reads a byte array in steps of at most a megabyte, so a false length only costs as
    // much as the data that are really there.
    QByteArray bytes(std::size_t limit, const std::string& what) {
        QByteArray value;
        m_in >> value;
        check();
        if (static_cast<std::size_t>(value.size()) > limit)
            throw DesignError(what + " is too long");
        return value;
    }

    void check() const {
        if (m_in.status() != QDataStream::Ok) throw DesignError("the data end too early");
    }

  private:
    QDataStream& m_in;
};

PropertyValue readValue(Reader& reader, const std::string& where) {
    switch (reader.number<quint8>()) {
        case kInteger:
            return std::int16_t{reader.number<qint16>()};
        case kBoolean:
            return reader.number<bool>();
        case kText:
            return reader.bytes(SavedDesign::kMaxTextLength, where).toStdString();
        case kBytes: {
            const QByteArray bytes = reader.bytes(ClipFile::kMaxClipBytes + 1, where);
            return ByteArray(bytes.begin(), bytes.end());
        }
        default:
            throw DesignError(where + " has a value of unknown type");
    }
}

DesignInstance readInstance(Reader& reader) {
    const std::string controlClass =
        reader.bytes(SavedDesign::kMaxKeyLength, "a class name").toStdString();
    const auto index = reader.number<qint32>();
    const std::string where = "instance " + std::to_string(index);
    if (index < 0 || index > kMaxIndex) throw DesignError(where + " has an index out of range");
    if (controlClass != kEmbedSoundClass) {
        throw DesignError(where + " is of the unknown class \"" + controlClass + "\"");
    }
    DesignInstance instance(index);
    const auto width = reader.number<qint32>();
    instance.setExtent(width, reader.number<qint32>());
    const auto count = reader.number<quint32>();
    if (count > SavedDesign::kMaxProperties) throw DesignError(where + " has too many values");
    for (quint32 i = 0; i < count; ++i) {
        const std::string key =
            reader.bytes(SavedDesign::kMaxKeyLength, where + ": a key").toStdString();
        if (key.empty() || instance.find(key))
            throw DesignError(where + " has an empty or repeated key");
        instance.set(key, readValue(reader, where + ": \"" + key + "\""));
    }
    return instance;
}

}  // namespace

SavedDesign SavedDesign::decode(std::span<const std::uint8_t> bytes) {
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<qsizetype>(bytes.size()));
    QDataStream in(data);
    in.setVersion(QDataStream::Qt_6_0);
    char signature[sizeof kSignature] = {};
    if (in.readRawData(signature, sizeof signature) != sizeof signature ||
        !std::equal(signature, signature + sizeof signature, kSignature)) {
        throw DesignError("these are no saved design data");
    }
    Reader reader(in);
    if (reader.number<quint16>() != kFormatVersion)
        throw DesignError("the format version is unknown");
    const auto count = reader.number<quint32>();
    if (count > kMaxInstances) throw DesignError("there are too many instances");
    SavedDesign design;
    for (quint32 i = 0; i < count; ++i) {
        DesignInstance instance = readInstance(reader);
        if (design.find(instance.index())) {
            throw DesignError("instance " + std::to_string(instance.index()) + " is saved twice");
        }
        design.add(instance.index()) = std::move(instance);
    }
    if (!in.atEnd()) throw DesignError("there are stray bytes after the design");
    return design;
}

ByteArray SavedDesign::encode() const {
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    if (m_instances.size() > kMaxInstances) throw DesignError("there are too many instances");
    out.writeRawData(kSignature, sizeof kSignature);
    out << kFormatVersion << static_cast<quint32>(m_instances.size());
    for (const DesignInstance& instance : m_instances) {
        out << toQt(instance.controlClass()) << qint32{instance.index()}
            << qint32{instance.widthTwips()} << qint32{instance.heightTwips()}
            << static_cast<quint32>(instance.properties().size());
        for (const DesignProperty& property : instance.properties()) {
            out << toQt(property.key);
            writeValue(out, property.value);
        }
    }
    return ByteArray(data.begin(), data.end());
}

DesignInstance* SavedDesign::find(int index) {
    const auto found = std::ranges::find(m_instances, index, &DesignInstance::index);
    return found == m_instances.end() ? nullptr : &*found;
}

DesignInstance& SavedDesign::add(int index) {
    if (DesignInstance* existing = find(index)) return *existing;
    const auto place = std::ranges::upper_bound(m_instances, index, {}, &DesignInstance::index);
    return *m_instances.insert(place, DesignInstance(index));
}

}  // namespace varn
