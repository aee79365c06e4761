#include "platform/emu/EmulatedSieveHost.h"

#include <algorithm>

namespace vardex {

using namespace sieve;

std::int32_t CEmulatedKernelObjects::ReferenceEvent(std::uint64_t handle, void*& object)
{
    const auto it = handles.find(handle);
    if (it == handles.end())
        return kInvalidHandle;
    if (it->second != EObjectKind::kEvent)
        return kObjectTypeMismatch;
    ++m_References[handle];
    object = reinterpret_cast<void*>(static_cast<std::uintptr_t>(handle));
    return kSuccess;
}

void CEmulatedKernelObjects::Dereference(void* object)
{
    --m_References[reinterpret_cast<std::uintptr_t>(object)];
}

int CEmulatedKernelObjects::References(std::uint64_t handle) const
{
    const auto it = m_References.find(handle);
    return it == m_References.end() ? 0 : it->second;
}

// The device stack of one node: the filter's view of the emulated collection below.
class CEmulatedSieveHost::CStack final : public ISieveStack {
public:
    CStack(CEmulatedSieveHost& host, SNode& node) : m_Host(host), m_Node(node) {}

    bool Attach(SDeviceAttributes& lower) override
    {
        if (m_Node.config.attachFails)
            return false;
        lower = m_Node.config.lower;
        m_Node.attached = true;
        return true;
    }
    void Detach() override { m_Node.attached = false; }
    std::size_t QueryHardwareId(std::uint8_t* buffer, std::size_t capacity) override
    {
        // The property is a multi-string: the id, its terminator and the list's.
        std::size_t at = 0;
        for (const wchar_t c : m_Node.config.hardwareId + std::wstring(2, L'\0')) {
            if (at + 2 > capacity)
                return 0;
            buffer[at++] = static_cast<std::uint8_t>(c);
            buffer[at++] = static_cast<std::uint8_t>(c >> 8);
        }
        return m_Node.config.hardwareId.empty() ? 0 : at;
    }
    NtStatus PassDown(SRequest& request) override
    {
        request.status = kSuccess;
        request.information = 0;
        if (request.major == EMajor::kRead && !m_Host.TakeReport(m_Node, request)) {
            m_Host.Hold(m_Node, request, false);
            return kPending;
        }
        return request.status;
    }
    NtStatus PassDownPower(SRequest& request) override { return PassDown(request); }
    bool PassDownWithCompletion(SRequest& request, NtStatus& lowerStatus) override
    {
        if (m_Host.completionContextFails)
            return false;
        request.status = kSuccess;
        if (!m_Host.TakeReport(m_Node, request)) {
            m_Host.Hold(m_Node, request, true);
            lowerStatus = kPending;
            return true;
        }
        m_Host.Finish(m_Node, request, request.buffer);
        lowerStatus = request.status;
        return true;
    }
    void Complete(SRequest&) override {}
    void WaitForOutstanding(long target) override
    {
        if (m_Node.filter->Outstanding() > target)
            m_Host.waitWouldBlock = true;
    }
    void OutstandingFell() override {}
    void DeleteDevice() override { m_Node.deleted = true; }

private:
    CEmulatedSieveHost& m_Host;
    SNode& m_Node;
};

CEmulatedSieveHost::CEmulatedSieveHost() : m_Driver(*this, *this) {}

CEmulatedSieveHost::~CEmulatedSieveHost() = default;

NtStatus CEmulatedSieveHost::CreateControlDevice(int unit, SieveControlDevice*& device)
{
    if (controlAllocationFails)
        return kInsufficientResources;
    if (!Succeeded(controlConstructionStatus))
        return controlConstructionStatus;
    m_Control = std::make_unique<SieveControlDevice>(unit, lock, objects);
    device = m_Control.get();
    return kSuccess;
}

SieveFilterDevice* CEmulatedSieveHost::NewFilterDevice(PhysicalDevice, int unit)
{
    if (filterAllocationFails || m_Creating == nullptr)
        return nullptr;
    m_Creating->filter = std::make_unique<SieveFilterDevice>(*m_Creating->stack, m_Driver.Trace(), unit);
    return m_Creating->filter.get();
}

void CEmulatedSieveHost::DeleteFilterDevice(SieveFilterDevice* device)
{
    if (m_Creating != nullptr && m_Creating->filter.get() == device)
        m_Creating->filter.reset();
}

void CEmulatedSieveHost::SetPowerStateD0(SieveFilterDevice&)
{
    if (m_Creating != nullptr)
        m_Creating->d0 = true;
}

NtStatus CEmulatedSieveHost::Add(SEmulatedNode config, int& node)
{
    auto created = std::make_unique<SNode>();
    created->config = std::move(config);
    created->stack = std::make_unique<CStack>(*this, *created);
    m_Creating = created.get();
    node = static_cast<int>(m_Nodes.size());
    m_Nodes.push_back(std::move(created));
    const NtStatus status = m_Driver.AddDevice(static_cast<PhysicalDevice>(node + 1));
    m_Creating = nullptr;
    return status;
}

SieveFilterDevice* CEmulatedSieveHost::Filter(int node)
{
    return m_Nodes.at(node)->filter.get();
}

NtStatus CEmulatedSieveHost::Send(int node, SRequest& request)
{
    return Filter(node)->Dispatch(request);
}

NtStatus CEmulatedSieveHost::Start(int node)
{
    SRequest start{EMajor::kPnp, kStartDevice};
    return Send(node, start);
}

NtStatus CEmulatedSieveHost::Remove(int node)
{
    SNode& n = *m_Nodes.at(node);
    while (!n.held.empty()) {
        std::unique_ptr<SHeldRead> read = std::move(n.held.front());
        n.held.pop_front();
        read->request.status = kDeviceNotConnected;
        if (read->withCompletion)
            n.filter->ReadCompleted(read->request, buffersUnmappable ? nullptr : read->buffer.data());
    }
    SRequest remove{EMajor::kPnp, kRemoveDevice};
    return Send(node, remove);
}

void CEmulatedSieveHost::Hold(SNode& node, const SRequest& request, bool withCompletion)
{
    auto held = std::make_unique<SHeldRead>();
    held->request = request;
    held->buffer.assign(request.buffer, request.buffer + request.length);
    held->request.buffer = held->buffer.data();
    held->withCompletion = withCompletion;
    node.held.push_back(std::move(held));
    if (m_CurrentRead != nullptr)
        m_CurrentRead->pending = true;
}

bool CEmulatedSieveHost::TakeReport(SNode& node, SRequest& request)
{
    std::vector<std::uint8_t> report;
    bool have = false;
    if (node.config.mouse != nullptr) {
        have = node.config.mouse->ReadInput(report);
    } else if (!node.config.reports.empty()) {
        report = std::move(node.config.reports.front());
        node.config.reports.pop_front();
        have = true;
    }
    if (!have)
        return false;
    const std::size_t count = std::min<std::size_t>(report.size(), request.length);
    std::copy_n(report.begin(), count, request.buffer);
    request.information = static_cast<std::uint32_t>(count);
    request.status = kSuccess;
    return true;
}

void CEmulatedSieveHost::Finish(SNode& node, SRequest& request, std::uint8_t* buffer)
{
    node.filter->ReadCompleted(request, buffersUnmappable ? nullptr : buffer);
}

SReadResult CEmulatedSieveHost::Read(int node, std::uint32_t length, std::vector<std::uint8_t> initial)
{
    SReadResult result;
    result.buffer = std::move(initial);
    result.buffer.resize(length);
    SRequest request{EMajor::kRead, 0, result.buffer.data(), length};
    m_CurrentRead = &result;
    result.status = Send(node, request);
    m_CurrentRead = nullptr;
    result.completion = request.status;
    result.information = request.information;
    return result;
}

std::vector<SReadResult> CEmulatedSieveHost::DeliverHeldReads(int node)
{
    SNode& n = *m_Nodes.at(node);
    std::vector<SReadResult> done;
    while (!n.held.empty()) {
        SHeldRead& read = *n.held.front();
        if (!TakeReport(n, read.request))
            break;
        if (read.withCompletion)
            Finish(n, read.request, read.buffer.data());
        done.push_back({kPending, read.request.status, read.request.information, read.buffer, false});
        n.held.pop_front();
    }
    return done;
}

std::vector<SReadResult> CEmulatedSieveHost::ReadAll(int node, std::uint32_t length)
{
    std::vector<SReadResult> reports = DeliverHeldReads(node);
    for (;;) {
        SReadResult result = Read(node, length);
        if (result.pending)
            break;
        reports.push_back(std::move(result));
    }
    // The last read waits for the next report: the mouse class keeps one outstanding.
    return reports;
}

NtStatus CEmulatedSieveHost::ControlRequest(EMajor major, std::uint8_t* buffer, std::uint32_t length,
                                            std::uint32_t& transferred, std::uint32_t code)
{
    SRequest request{major, 0, buffer, length, code};
    m_Control->Dispatch(request);
    transferred = request.information;
    return request.status;
}

ISieveControl::Handle CEmulatedSieveHost::Open(bool)
{
    if (m_Control == nullptr)
        return 0;
    std::uint32_t transferred = 0;
    if (!Succeeded(ControlRequest(EMajor::kCreate, nullptr, 0, transferred)))
        return 0;
    ++openHandles;
    return m_NextHandle++;
}

bool CEmulatedSieveHost::Read(Handle device, std::uint8_t* buffer, std::uint32_t length, std::uint32_t& transferred)
{
    transferred = 0;
    return device != 0 && Succeeded(ControlRequest(EMajor::kRead, buffer, length, transferred));
}

bool CEmulatedSieveHost::Write(Handle device, const std::uint8_t* buffer, std::uint32_t length,
                               std::uint32_t& transferred)
{
    // The driver works on the caller's buffer; it does not write into a write buffer.
    std::vector<std::uint8_t> copy(buffer, buffer + length);
    transferred = 0;
    if (clientWritesFail)
        return false;
    return device != 0 && Succeeded(ControlRequest(EMajor::kWrite, copy.data(), length, transferred));
}

void CEmulatedSieveHost::Close(Handle device)
{
    if (device == 0)
        return;
    std::uint32_t transferred = 0;
    ControlRequest(EMajor::kCleanup, nullptr, 0, transferred);
    ControlRequest(EMajor::kClose, nullptr, 0, transferred);
    --openHandles;
}

NtStatus CEmulatedSieveHost::DeviceControl(std::uint32_t code, std::vector<std::uint8_t> input)
{
    std::uint32_t transferred = 0;
    return ControlRequest(EMajor::kDeviceControl, input.data(), static_cast<std::uint32_t>(input.size()),
                          transferred, code);
}

} // namespace vardex
