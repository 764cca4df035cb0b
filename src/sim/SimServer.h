// SimServer: a simulated radio of a given version (or started from a data
// file) served on a pseudo-terminal, as the tslq-sim program and the
// program's own --simulate option run it.
#pragma once

#include "model/RadioImage.h"
#include "sim/PtyHost.h"
#include "sim/VirtualRadio.h"

#include <memory>
#include <string>

struct SimOptions
{
    std::string typeCode; // empty: the first version of the setup table
    std::string model;    // empty: the model of the type code in the setup table
    std::string loadPath; // start from this data file
    // Without a data file or contents: hold the sample load of the version
    // rather than a new radio's empty memory.
    bool sampleLoad = false;
    // Start from this memory instead (as the program holds it); its own
    // type code and model are the version.
    std::shared_ptr<const RadioImage> contents;
    PtyHostOptions host;
    VirtualRadioFaults faults;
};

// Checks and completes the version of the options: a type code of two
// letters, a comma and two hexadecimal digits with a known market letter,
// and a model "ZT-Q2", "ZT-Q3" or "ZT-Q5". False with a reason.
bool ResolveSimVersion(SimOptions& options, std::string& error);

// What a simulated radio of this version answers to "ID".
std::string SimIdentity(const std::string& typeCode, const std::string& model);

class SimServer
{
  public:
    explicit SimServer(SimOptions options);
    ~SimServer();

    // Builds the radio (loading the data file if named) and opens its line.
    bool Open(std::string& error);
    const std::string& DevicePath() const { return host_->DevicePath(); }

    // Serves on the calling thread until RequestStop() or a hang-up.
    void Run() { host_->Run(); }
    void RequestStop() { host_->RequestStop(); }
    // Serves on a thread of its own; Stop() ends it.
    void Start() { host_->Start(); }
    void Stop() { host_->Stop(); }
    bool HungUp() const { return host_->HungUp(); }

    // The radio's memory as the program holds it (only while not serving).
    RadioImage Contents() const { return radio_->Contents(); }
    // Writes the radio's memory as a data file (with the loaded comment),
    // replacing the file only once it is complete.
    bool Save(const std::string& path, std::string& error) const;

  private:
    SimOptions options_;
    std::string comment_;
    std::unique_ptr<VirtualRadio> radio_;
    std::unique_ptr<PtyHost> host_;
};

// A radio inside the program for this run only: unpaced, of the given
// version (holding its sample load when asked), behind port n
// ("COM1".."COM10") of the port map; nothing is stored. Returns the device
// path, or empty with a reason.
std::string StartSimulatedRadio(const std::string& typeCode, const std::string& model, int port,
                                std::string& error, bool sampleLoad = false);
// Ends the radio that StartSimulatedRadio started, if any.
void StopSimulatedRadio();
