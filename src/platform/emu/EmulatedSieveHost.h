// The emulated driver host: plays requests through the filter driver's logic as the
// system would. It makes the driver's devices, stacks a filter device over each
// emulated mouse collection (the maker's mouse, or another make fed by the test),
// and serves the control device to user-mode clients through ISieveControl.
#pragma once

#include "driver/SieveDriver.h"
#include "platform/DebugOutput.h"
#include "platform/KernelObjects.h"
#include "platform/SieveControl.h"
#include "platform/SpinLock.h"
#include "platform/emu/EmulatedMouse.h"

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vardex {

// A spin lock for one thread: it counts its acquisitions and notes any nesting.
class CEmulatedSpinLock final : public ISpinLock {
public:
    void Acquire() override
    {
        nested = nested || held;
        held = true;
        ++acquisitions;
    }
    void Release() override { held = false; }
    bool held = false;
    bool nested = false;
    int acquisitions = 0;
};

// Handles of the emulated object manager; only kEvent ones reference as events.
enum class EObjectKind { kEvent, kFile };

class CEmulatedKernelObjects final : public IKernelObjects {
public:
    std::int32_t ReferenceEvent(std::uint64_t handle, void*& object) override;
    void Dereference(void* object) override;
    int References(std::uint64_t handle) const;

    std::map<std::uint64_t, EObjectKind> handles;

private:
    std::map<std::uint64_t, int> m_References;
};

struct SEmulatedNode {
    std::wstring hardwareId = L"HID\\VID_12CF&PID_0182&REV_1503&MI_00&Col01";
    CEmulatedMouse* mouse = nullptr; // null: reports come from `reports`
    std::deque<std::vector<std::uint8_t>> reports;
    bool attachFails = false;
    sieve::SDeviceAttributes lower{0x0F, 0x100, 3, sieve::kDoBufferedIo | sieve::kDoPowerPagable | 0x0800};
};

struct SReadResult {
    sieve::NtStatus status = sieve::kSuccess;   // what dispatch returned
    sieve::NtStatus completion = sieve::kSuccess; // the request's final status
    std::uint32_t information = 0;
    std::vector<std::uint8_t> buffer;
    bool pending = false;
};

class CEmulatedSieveHost final : public sieve::ISieveHost, public ISieveControl, public IDebugOutput {
public:
    CEmulatedSieveHost();
    ~CEmulatedSieveHost() override;

    sieve::NtStatus Load() { return m_Driver.DriverEntry(); }
    // AddDevice for a new device node; the node's index is node.
    sieve::NtStatus Add(SEmulatedNode config, int& node);
    sieve::NtStatus Start(int node);
    // Surprise removal (held reads fail as the device goes), then the removal request.
    sieve::NtStatus Remove(int node);
    // Any request on a node's filter device; reads go through Read.
    sieve::NtStatus Send(int node, sieve::SRequest& request);
    // A read through the filter: completes with the next input report, or is held
    // pending until DeliverHeldReads finds one.
    SReadResult Read(int node, std::uint32_t length, std::vector<std::uint8_t> initial = {});
    std::vector<SReadResult> DeliverHeldReads(int node);
    // An input report of a node that has no emulated mouse.
    void QueueReport(int node, std::vector<std::uint8_t> report) { m_Nodes.at(node)->config.reports.push_back(std::move(report)); }
    // Reads every input report the node's mouse has queued; the reports as delivered.
    std::vector<SReadResult> ReadAll(int node, std::uint32_t length = CEmulatedMouse::kInputReportLength);

    // ISieveControl: the control device from user mode.
    Handle Open(bool write) override;
    bool Read(Handle device, std::uint8_t* buffer, std::uint32_t length, std::uint32_t& transferred) override;
    bool Write(Handle device, const std::uint8_t* buffer, std::uint32_t length, std::uint32_t& transferred) override;
    void Close(Handle device) override;
    // Device control on the control device.
    sieve::NtStatus DeviceControl(std::uint32_t code, std::vector<std::uint8_t> input);

    void Print(const char* text) override { debugOutput.emplace_back(text); }

    // The control device as user mode sees it.
    ISieveControl& Client() { return *this; }
    sieve::SieveDriver& Driver() { return m_Driver; }
    sieve::SieveFilterDevice* Filter(int node);

    // Faults and observations.
    bool controlAllocationFails = false;
    sieve::NtStatus controlConstructionStatus = sieve::kSuccess;
    bool filterAllocationFails = false;
    bool completionContextFails = false;
    bool buffersUnmappable = false;
    bool clientWritesFail = false; // WriteFile fails as the system refuses it
    bool waitWouldBlock = false; // a removal waited for requests that never finish
    int openHandles = 0;
    std::vector<std::string> debugOutput;
    CEmulatedSpinLock lock;
    CEmulatedKernelObjects objects;

    // ISieveHost
    sieve::NtStatus CreateControlDevice(int unit, sieve::SieveControlDevice*& device) override;
    sieve::SieveFilterDevice* NewFilterDevice(sieve::PhysicalDevice pdo, int unit) override;
    void DeleteFilterDevice(sieve::SieveFilterDevice* device) override;
    void SetPowerStateD0(sieve::SieveFilterDevice& device) override;

private:
    class CStack;
    struct SHeldRead {
        sieve::SRequest request;
        std::vector<std::uint8_t> buffer;
        bool withCompletion = false;
    };
    struct SNode {
        SEmulatedNode config;
        std::unique_ptr<CStack> stack;
        std::unique_ptr<sieve::SieveFilterDevice> filter;
        std::deque<std::unique_ptr<SHeldRead>> held;
        bool attached = false;
        bool deleted = false;
        bool d0 = false;
    };

    // The lower device's answer to a read: the next report; false when none waits.
    bool TakeReport(SNode& node, sieve::SRequest& request);
    // The lower device keeps the read until a report arrives.
    void Hold(SNode& node, const sieve::SRequest& request, bool withCompletion);
    void Finish(SNode& node, sieve::SRequest& request, std::uint8_t* buffer);
    sieve::NtStatus ControlRequest(sieve::EMajor major, std::uint8_t* buffer, std::uint32_t length,
                                   std::uint32_t& transferred, std::uint32_t code = 0);

    sieve::SieveDriver m_Driver;
    std::unique_ptr<sieve::SieveControlDevice> m_Control;
    std::vector<std::unique_ptr<SNode>> m_Nodes;
    SNode* m_Creating = nullptr; // the node AddDevice runs for
    Handle m_NextHandle = 0x100;
    SReadResult* m_CurrentRead = nullptr;
};

} // namespace vardex
