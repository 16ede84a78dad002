#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "inventory/management_source.h"
#include "platform/linux/kernel_facts.h"
#include "platform/linux/machine_facts.h"

namespace quarvel::linux_source {

// Everything the Linux machine under root tells about itself, read now: the SMBIOS table, else the
// udev record of the DMI device and the processor list; the kernel's DMI identity files for what
// the table lacks; the memory total; and the system type of the kernel machine name given.
MachineFacts readMachineFacts(const std::filesystem::path& root, std::string_view machine);

}  // namespace quarvel::linux_source

namespace quarvel {

// The management service of a Linux machine: answers the inventory's queries the way Windows does
// on the same hardware. It reads the files under a root directory: "/" for this machine, or a
// captured tree.
class LinuxManagementSource final : public ManagementSource {
public:
    explicit LinuxManagementSource(std::filesystem::path root = "/",
                                   std::string machine = linux_source::kernelMachine());

    // Accepts only the local computer's moniker, and reads the machine's facts.
    void connect(const std::string& moniker) override;
    // Answers "Select * from <Class>" for the inventory's classes.
    void query(const std::string& wql, const ObjectVisitor& visit) override;

private:
    std::filesystem::path root_;
    std::string machine_;
    std::optional<linux_source::MachineFacts> facts_;
};

}  // namespace quarvel
