// tslq-sim: a simulated ZT-Q2/ZT-Q3 on a pseudo-terminal. Prints the device
// to open, then answers the radio's command set until interrupted (or until
// an injected hang-up), and optionally saves the radio's memory on exit.
#include "sim/SimServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <csignal>
#include <cstdio>

namespace {

SimServer* g_server = nullptr;

extern "C" void OnStopSignal(int)
{
    if (g_server != nullptr) g_server->RequestStop();
}

bool NumberOption(const QCommandLineParser& parser, const QString& name, int& value)
{
    if (!parser.isSet(name)) return true;
    bool ok = false;
    value = parser.value(name).toInt(&ok);
    if (!ok || value < 0) {
        std::fprintf(stderr, "tslq-sim: --%s needs a number of 0 or more\n", qPrintable(name));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("tslq-sim");

    QCommandLineParser parser;
    parser.setApplicationDescription("Simulated ZT-Q2/ZT-Q3 radio on a pseudo-terminal.");
    parser.addHelpOption();
    parser.addOptions({
        {"type", "Type code of the radio (default KK,0F).", "CODE"},
        {"model", "Model: ZT-Q2, ZT-Q3 or ZT-Q5 (default: the type's model).", "MODEL"},
        {"load", "Start from the contents of a data file.", "FILE.qx"},
        {"empty", "Start as a new radio with empty memory (default: a sample load of its version)."},
        {"save", "Save the radio's contents to a data file on exit.", "FILE.qx"},
        {"link", "Make a symbolic link to the device.", "PATH"},
        {"wire-speed", "Pace both directions as on a 9600 baud 8N1 wire."},
        {"latency-ms", "Extra delay before every reply.", "N"},
        {"trace", "Write every command and reply with timestamps.", "FILE"},
        {"drop-reply", "Give no reply to the N-th command.", "N"},
        {"garble", "Garble the reply to the N-th command.", "N"},
        {"garble-count", "Garble that many replies from the N-th on (default 1; 2 garbles a retry too).",
         "K"},
        {"hang-up-after", "Go away after replying to the N-th command.", "N"},
        {"ignore-write",
         "Acknowledge the N-th write command without storing it. Only write commands count "
         "(1 is the first after start): MW, CW, VW, and MNA, PV, DM, DMN, PC, NAR and the menu "
         "words when they carry a value; VOX and VMC do not.",
         "N"},
    });
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "tslq-sim: unexpected argument %s\n",
                     qPrintable(parser.positionalArguments()[0]));
        return 2;
    }

    SimOptions options;
    options.typeCode = parser.value("type").toStdString();
    options.model = parser.value("model").toStdString();
    options.loadPath = parser.value("load").toStdString();
    if (parser.isSet("empty") && !options.loadPath.empty()) {
        std::fprintf(stderr, "tslq-sim: --empty and --load cannot be used together\n");
        return 2;
    }
    options.sampleLoad = !parser.isSet("empty");
    options.host.linkPath = parser.value("link").toStdString();
    options.host.tracePath = parser.value("trace").toStdString();
    options.host.wireSpeed = parser.isSet("wire-speed");
    if (!NumberOption(parser, "latency-ms", options.host.latencyMs) ||
        !NumberOption(parser, "drop-reply", options.faults.dropReply) ||
        !NumberOption(parser, "garble", options.faults.garble) ||
        !NumberOption(parser, "garble-count", options.faults.garbleCount) ||
        !NumberOption(parser, "hang-up-after", options.faults.hangUpAfter) ||
        !NumberOption(parser, "ignore-write", options.faults.ignoreWrite))
        return 2;
    const std::string savePath = parser.value("save").toStdString();

    SimServer server(options);
    std::string error;
    if (!server.Open(error)) {
        std::fprintf(stderr, "tslq-sim: %s\n", error.c_str());
        return 1;
    }
    g_server = &server;
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
    std::signal(SIGHUP, OnStopSignal);
    std::printf("%s\n", server.DevicePath().c_str());
    std::fflush(stdout);

    server.Run();
    g_server = nullptr;

    if (server.HungUp()) std::fprintf(stderr, "tslq-sim: hung up as asked\n");
    if (!savePath.empty() && !server.Save(savePath, error)) {
        std::fprintf(stderr, "tslq-sim: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
