// Drives a read or write transfer against the simulated radio in-process,
// one command and one reply at a time, and records the conversation.
#pragma once

#include "link/CommandSet.h"
#include "model/RadioImage.h"
#include "sim/VirtualRadio.h"

#include <string>
#include <string_view>
#include <vector>

struct Exchange
{
    std::string command;
    std::string reply; // empty when the radio stayed silent
};

struct TransferRun
{
    std::vector<Exchange> exchanges;
    TransferOutcome outcome = TransferOutcome::Running;
    TransferAction::Kind lastAction = TransferAction::Kind::Finish;

    std::vector<std::string> Commands() const
    {
        std::vector<std::string> out;
        for (const Exchange& e : exchanges)
            out.push_back(e.command);
        return out;
    }
    // Commands starting with a prefix.
    int Count(const std::string& prefix) const
    {
        int n = 0;
        for (const Exchange& e : exchanges)
            if (e.command.rfind(prefix, 0) == 0) ++n;
        return n;
    }
    // "> command" and "< reply" lines, replies with their CR shown as "\r".
    std::string Transcript() const
    {
        std::string out;
        for (const Exchange& e : exchanges) {
            out += "> " + e.command + "\n";
            std::string reply = e.reply;
            if (!reply.empty() && reply.back() == '\r') reply.pop_back();
            out += "< " + reply + "\n";
        }
        return out;
    }
};

// Runs until the transfer stops; a silent radio counts as a time-out.
// cancelAfter > 0 presses Cancel after that many replies.
template <class Transfer> TransferRun Drive(Transfer& transfer, VirtualRadio& radio, int cancelAfter = 0)
{
    TransferRun run;
    TransferAction action = transfer.Start();
    int replies = 0;
    // A retry sends the same command again (nothing arrives meanwhile here).
    while (action.kind == TransferAction::Kind::Send || action.kind == TransferAction::Kind::Retry) {
        Exchange exchange{action.command, {}};
        std::optional<std::string> reply = radio.Respond(action.command);
        if (reply) exchange.reply = *reply;
        run.exchanges.push_back(exchange);
        if (!reply) {
            transfer.Abort(TransferOutcome::Timeout);
            break;
        }
        if (cancelAfter > 0 && ++replies == cancelAfter) transfer.Cancel();
        action = transfer.OnReply(*reply);
        if (run.exchanges.size() > 5000) break; // a runaway transfer fails the test instead of hanging it
    }
    run.lastAction = action.kind;
    run.outcome = transfer.Outcome();
    return run;
}

// A version's image as the program starts with it (profile defaults).
RadioImage StartImage(const std::string& typeCode, const std::string& model);
// The image with a representative load: plain, named, split and scan-edge
// channels, a CALL channel with a transmit part, DTMF memories.
RadioImage SampleImage(const std::string& typeCode, const std::string& model);
// Every memory slot filled, with names and split frequencies, all DTMF
// memories, changed menu settings.
RadioImage FullImage(const std::string& typeCode, const std::string& model);

// Why a write command is malformed, by the shape of the record it carries
// (the record checks of the core applied to its fields); empty when it is
// well formed or a command without a record ("VOX 0", "ID", ...).
std::string MalformedCommand(std::string_view command);

// Compares every field of every record of two images; returns the
// differences as text (empty when equal).
std::string CompareImages(const RadioImage& expected, const RadioImage& actual);

// A serial log ("152 > VOX 0") as a transcript ("> VOX 0"): the times are
// taken off every line. A line without a time in front is marked "(no
// time) ", so that it shows in a comparison.
std::string WithoutLogTimes(const std::string& log);

// Compares a transcript with a golden file under tests/data (the first
// differing line is reported); rewrites the file when TSLQ_UPDATE_GOLDEN is set.
void ExpectGolden(const std::string& name, const std::string& transcript);
