// The shape of each reply of a read, checked before any of it reaches the
// image: the reply must echo its command (word and parameters), and its
// payload may hold no more fields than that command's reply has, each as the
// record check of the core accepts it. A payload may stop early: the fields
// it lacks read as empty. A payload below the length at which the read
// takes it as empty (an error mark such as "N" or "?") is not checked: the
// read treats it as empty, as it always has.
//
// The "VOX 0" wake-up replies are never checked; the width of the DTMF
// memory number a radio answers is free ("3" or "03").
#pragma once

#include "link/CommandSet.h"
#include "model/RecordCheck.h"

#include <cstddef>
#include <string_view>

// What a read query expects back.
enum class ReplyShape {
    Unchecked,  // "VOX 0"
    Identity,   // "ID": the model text (which model is the transfer's question)
    Type,       // "TYD": a type code, two letters, a comma, two hexadecimal digits
    BandLimits, // "FL g": the group digit, a comma, pairs of lower and upper bounds
    Memory,     // "MR 0,<label>": the label and fields 1..13
    MemoryTx,   // "MR 1,<label>": fields 14 and 15
    MemoryName, // "MNA <label>": a name
    Call,       // "CR n,0": fields 1..12
    CallTx,     // "CR n,1": fields 14 and 15
    Vfo,        // "VR b": the band code and fields 1..12
    ProgramVfo, // "PV p": a program VFO record of band p
    Dtmf,       // "DM dd": the memory number and its code (E and F for * and #)
    DtmfName,   // "DMN dd": a name
    Menu,       // "PC k", "NAR k", the menu words: one menu setting's value
};

struct ReplyExpectation
{
    ReplyShape shape = ReplyShape::Unchecked;
    // Memory: slot; Call: CALL slot; Vfo: band; ProgramVfo: band; Dtmf: memory;
    // BandLimits: group; Menu: setting. Unused otherwise.
    int index = 0;
};

// The characters a reply to the command starts with: the command itself,
// then a comma when it has parameters or a blank when it is a bare word,
// as far as the command's echo length reaches.
std::string EchoOf(const RadioCommand& command);

// Whether a payload is one the read takes as empty for this shape: below
// its threshold (the memory, CALL and DTMF queries, the band limits, the
// transmit part of a scan edge) or empty (every other query but the
// identity and the type, which are never empty).
bool IsEmptyPayload(const ReplyExpectation& expected, std::string_view payload);

// How many fields the reply of a shape carries when it is complete (the
// memory reply 14: its label and fields 1..13); 0 for a reply without a
// field layout (names, menu values, identity, type, band limits).
std::size_t LayoutFieldCount(ReplyShape shape);
// Whether a payload that is not empty stopped before the end of its layout.
bool IsShortPayload(const ReplyExpectation& expected, std::string_view payload);

// The check of one assembled reply. echo: the characters that the assembly
// dropped as the echo; payload: the rest, CRs removed; cut: the payload ran
// past its buffer. market: the image's market letter (the power-on message
// is checked as the program holds it). An empty payload as above passes.
RecordCheck CheckReply(const RadioCommand& command, const ReplyExpectation& expected, std::string_view echo,
                       std::string_view payload, bool cut, char market);
