// SimServer: the simulated radio on its pseudo-terminal.
#include "sim/SimServer.h"

#include "files/DataFile.h"
#include "files/FileIo.h"
#include "link/PortMap.h"
#include "model/Profile.h"
#include "sim/SampleLoad.h"

#include <QCoreApplication>
#include <QFile>

#include <cctype>

namespace {

// The reasons the program's window can show when its own simulated radio
// cannot start, in the program's language; tslq-sim loads no translation
// and says them in English.
std::string Tr(const char* text)
{
    return QCoreApplication::translate("SimServer", text).toStdString();
}

std::string Tr(const char* text, const std::string& argument)
{
    return QCoreApplication::translate("SimServer", text).arg(QString::fromStdString(argument)).toStdString();
}

bool IsHexDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'F');
}

} // namespace

bool ResolveSimVersion(SimOptions& options, std::string& error)
{
    std::string& type = options.typeCode;
    if (type.empty()) type = std::string(VersionChoices[0].type);
    for (char& c : type)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const bool shaped = type.size() == 5 && std::isupper(static_cast<unsigned char>(type[0])) &&
                        type[2] == ',' && IsHexDigit(type[3]) && IsHexDigit(type[4]);
    if (!shaped || std::string_view("KEJM").find(type[1]) == std::string_view::npos) {
        //: %1: the type code given (KK,0F is an example of a valid one).
        error = Tr(QT_TRANSLATE_NOOP("SimServer", "Invalid type code \"%1\" (for example KK,0F)"), type);
        return false;
    }
    if (options.model.empty()) {
        for (const VersionChoice& choice : VersionChoices)
            if (choice.type == type) options.model = std::string(choice.model);
        if (options.model.empty()) {
            //: %1: a type code; --model is an option of the command line.
            error = Tr(QT_TRANSLATE_NOOP("SimServer", "No model is known for type %1; give one with --model"),
                       type);
            return false;
        }
    }
    if (options.model != "ZT-Q2" && options.model != "ZT-Q3" && options.model != "ZT-Q5") {
        //: %1: the model given.
        error =
            Tr(QT_TRANSLATE_NOOP("SimServer", "Invalid model \"%1\" (ZT-Q2, ZT-Q3 or ZT-Q5)"), options.model);
        return false;
    }
    return true;
}

std::string SimIdentity(const std::string& typeCode, const std::string& model)
{
    // The 1200 MHz variant is a ZT-Q2 or ZT-Q3 with the extra band and names
    // itself by its base model, the only identities the program accepts.
    if (model != "ZT-Q5") return model;
    for (const VersionChoice& choice : VersionChoices)
        if (choice.type == typeCode) return std::string(choice.model);
    return "ZT-Q3";
}

SimServer::SimServer(SimOptions options) : options_(std::move(options)) {}

SimServer::~SimServer()
{
    if (host_) host_->Stop();
}

bool SimServer::Open(std::string& error)
{
    if (options_.contents) {
        options_.typeCode = options_.contents->TypeCode();
        options_.model = options_.contents->Model();
    }
    if (!ResolveSimVersion(options_, error)) return false;
    if (options_.contents) {
        radio_ = std::make_unique<VirtualRadio>(*options_.contents);
    } else if (options_.loadPath.empty()) {
        if (options_.sampleLoad)
            radio_ = std::make_unique<VirtualRadio>(SampleRadioImage(options_.typeCode, options_.model));
        else
            radio_ = std::make_unique<VirtualRadio>(options_.typeCode, options_.model);
    } else {
        QFile file(QString::fromStdString(options_.loadPath));
        if (!file.open(QIODevice::ReadOnly)) {
            error = "Cannot read " + options_.loadPath + ": " + file.errorString().toStdString();
            return false;
        }
        const QByteArray bytes = file.readAll();
        RadioImage image;
        image.SetTypeCode(options_.typeCode);
        image.SetModel(options_.model);
        for (int band = 0; band < BandLimitCount; ++band)
            image.SetBandLimit(
                band, DefaultBandLimit(band, image.MarketLetter(), image.RegionLetter(), image.Model()));
        ResetImage(image, ImageReset::ForLoad);
        if (ReadDataFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), image,
                         comment_) != DataFileStatus::Loaded) {
            error = options_.loadPath + " is not a data file";
            return false;
        }
        radio_ = std::make_unique<VirtualRadio>(image);
    }
    radio_->SetFaults(options_.faults);
    radio_->SetIdentity(SimIdentity(radio_->Memory().TypeCode(), radio_->Memory().Model()));
    VirtualRadio* radio = radio_.get();
    host_ = std::make_unique<PtyHost>([radio](std::string_view line) { return radio->Respond(line); },
                                      [radio] { return radio->HungUp(); }, options_.host);
    return host_->Open(error);
}

bool SimServer::Save(const std::string& path, std::string& error) const
{
    QString reason;
    if (!SaveFileBytes(QString::fromStdString(path), WriteDataFile(radio_->Contents(), comment_), &reason)) {
        error = "Cannot write " + path + ": " + reason.toStdString();
        return false;
    }
    return true;
}

namespace {

struct InProcessRadio
{
    std::unique_ptr<SimServer> server;
    int port = 0;
};

InProcessRadio& TheInProcessRadio()
{
    static InProcessRadio radio;
    return radio;
}

} // namespace

std::string StartSimulatedRadio(const std::string& typeCode, const std::string& model, int port,
                                std::string& error, bool sampleLoad)
{
    StopSimulatedRadio();
    if (port < 1 || port > 10) {
        error = Tr(QT_TRANSLATE_NOOP("SimServer", "Invalid port number"));
        return {};
    }
    SimOptions options;
    options.typeCode = typeCode;
    options.model = model;
    options.sampleLoad = sampleLoad;
    auto server = std::make_unique<SimServer>(options);
    if (!server->Open(error)) return {};
    server->Start();
    ThePortMap().SetRunOnlyDevice(port, server->DevicePath());
    InProcessRadio& radio = TheInProcessRadio();
    radio.server = std::move(server);
    radio.port = port;
    return radio.server->DevicePath();
}

void StopSimulatedRadio()
{
    InProcessRadio& radio = TheInProcessRadio();
    if (!radio.server) return;
    radio.server->Stop();
    ThePortMap().SetRunOnlyDevice(radio.port, "");
    radio.server.reset();
}
