// The filter installer hierarchy. CFilterInstaller walks a list of items and asks,
// for each, whether it wants an upper or a lower filter; CClassFilterInstaller edits
// the filter values of a device setup class key; QV8FilterInstaller registers one
// lower filter for the whole Mouse class. The virtual operations keep this order.
#pragma once

#include "install/FilterList.h"
#include "platform/DeviceClassKey.h"

namespace vardex {

// The dwPlatformId of the running system, read once when the registration library
// is loaded (0 when it could not be read).
extern int g_PlatformId;
// The old consumer platform: the filter is listed by its file name, and there is no
// service to create.
inline constexpr int kPlatformWin32Windows = 1;

namespace filter_error {
inline constexpr int kNoMoreItems = 1246;                           // ERROR_CONTINUE: nothing edited
inline constexpr int kNoResources = 1450;                           // ERROR_NO_SYSTEM_RESOURCES
inline constexpr int kInvalidPointer = static_cast<int>(0x80004003u); // E_POINTER
inline constexpr int kFileNotFound = 2;
} // namespace filter_error

// Items a derived installer hands out; the walk destroys each one it is done with.
struct SFilterItem {
    virtual ~SFilterItem() = default;
};
using FilterItem = SFilterItem*;

class CFilterInstaller {
public:
    CFilterInstaller(const char* serviceName, const char* driverFile);
    CFilterInstaller(const CFilterInstaller&) = delete;
    CFilterInstaller& operator=(const CFilterInstaller&) = delete;

    virtual ~CFilterInstaller() = default;
    virtual int WantUpperFilter(FilterItem item) = 0;
    virtual int WantLowerFilter(FilterItem item) = 0;
    virtual FilterItem FirstItem();
    virtual FilterItem NextItem();
    virtual int EditFilter(FilterItem item, int upper, int add) = 0;
    // Adds (install 1) or removes every wanted filter; 0, or the first failed edit.
    virtual int Run(int install);
    virtual int AddUpperFilter(FilterItem item);
    virtual int AddLowerFilter(FilterItem item);
    virtual int RemoveUpperFilter(FilterItem item);
    virtual int RemoveLowerFilter(FilterItem item);
    virtual int OnItemDone(FilterItem item);
    virtual int AddName(const MultiString& oldList, MultiString& newList);
    virtual int RemoveName(const MultiString& oldList, MultiString& newList);

    const char* ServiceName() const { return m_ServiceName; }
    const char* DriverFile() const { return m_DriverFile; }
    int RebootNeeded() const { return m_RebootNeeded; }
    void SetRebootNeeded(int needed) { m_RebootNeeded = needed; }
    // The entry that stands for this filter in a filter value.
    const char* FilterName() const;

protected:
    const char* m_ServiceName;
    const char* m_DriverFile;
    int m_RebootNeeded = 0;
    ClassKeyHandle m_hClassKey = kInvalidClassKey;
};

class CClassFilterInstaller : public CFilterInstaller {
public:
    CClassFilterInstaller(IDeviceClassKey& keys, const SGuid& setupClass, const char* serviceName,
                          const char* driverFile);
    ~CClassFilterInstaller() override;
    int EditFilter(FilterItem item, int upper, int add) override;

private:
    int EditValue(const char* valueName, int add);

    IDeviceClassKey& m_Keys;
};

class QV8FilterInstaller : public CClassFilterInstaller {
public:
    static constexpr const char* kServiceName = "Novaro QV8 Filter";
    static constexpr const char* kDriverFile = "Qv8Sieve.sys";

    explicit QV8FilterInstaller(IDeviceClassKey& keys);
    int WantUpperFilter(FilterItem item) override;
    int WantLowerFilter(FilterItem item) override;
};

} // namespace vardex
