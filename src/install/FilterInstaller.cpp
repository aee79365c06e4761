#include "install/FilterInstaller.h"

#include <new>

namespace vardex {

int g_PlatformId = 0;

namespace {
constexpr const char* kUpperFilters = "UpperFilters";
constexpr const char* kLowerFilters = "LowerFilters";
} // namespace

CFilterInstaller::CFilterInstaller(const char* serviceName, const char* driverFile)
    : m_ServiceName(serviceName), m_DriverFile(driverFile)
{
}

FilterItem CFilterInstaller::FirstItem() { return nullptr; }
FilterItem CFilterInstaller::NextItem() { return nullptr; }

int CFilterInstaller::Run(int install)
{
    int firstFailure = 0;
    FilterItem item = FirstItem();
    for (;;) {
        int result = filter_error::kNoMoreItems;
        if (WantUpperFilter(item))
            result = install ? AddUpperFilter(item) : RemoveUpperFilter(item);
        if (WantLowerFilter(item))
            result = install ? AddLowerFilter(item) : RemoveLowerFilter(item);
        if (result == 0)
            OnItemDone(item);
        else if (result != filter_error::kNoMoreItems && firstFailure == 0)
            firstFailure = result;
        if (item == nullptr)
            break;
        delete item;
        item = NextItem();
        if (item == nullptr)
            break;
    }
    // A filter value that could not be written is no success.
    return firstFailure;
}

int CFilterInstaller::AddUpperFilter(FilterItem item) { return EditFilter(item, 1, 1); }
int CFilterInstaller::AddLowerFilter(FilterItem item) { return EditFilter(item, 0, 1); }
int CFilterInstaller::RemoveUpperFilter(FilterItem item) { return EditFilter(item, 1, 0); }
int CFilterInstaller::RemoveLowerFilter(FilterItem item) { return EditFilter(item, 0, 0); }
int CFilterInstaller::OnItemDone(FilterItem) { return 0; }

const char* CFilterInstaller::FilterName() const
{
    return g_PlatformId == kPlatformWin32Windows ? m_DriverFile : m_ServiceName;
}

int CFilterInstaller::AddName(const MultiString& oldList, MultiString& newList)
{
    newList = PrependName(oldList, FilterName());
    return 0;
}

int CFilterInstaller::RemoveName(const MultiString& oldList, MultiString& newList)
{
    newList = vardex::RemoveName(oldList, FilterName());
    return 0;
}

CClassFilterInstaller::CClassFilterInstaller(IDeviceClassKey& keys, const SGuid& setupClass,
                                             const char* serviceName, const char* driverFile)
    : CFilterInstaller(serviceName, driverFile), m_Keys(keys)
{
    m_hClassKey = m_Keys.OpenClassKey(setupClass);
}

CClassFilterInstaller::~CClassFilterInstaller()
{
    if (m_hClassKey != kInvalidClassKey)
        m_Keys.CloseClassKey(m_hClassKey);
}

int CClassFilterInstaller::EditFilter(FilterItem, int upper, int add)
{
    if (m_hClassKey == kInvalidClassKey)
        return 0;
    try {
        return EditValue(upper ? kUpperFilters : kLowerFilters, add);
    } catch (const std::bad_alloc&) {
        return filter_error::kNoResources;
    } catch (...) {
        return filter_error::kInvalidPointer;
    }
}

int CClassFilterInstaller::EditValue(const char* valueName, int add)
{
    // A value that cannot be read counts as an empty list; its type is not examined.
    MultiString oldList{0};
    std::uint32_t size = 0;
    const bool present = m_Keys.QueryValueSize(m_hClassKey, valueName, size) == 0;
    if (present) {
        if (size == 0)
            return filter_error::kNoResources;
        if (int error = m_Keys.ReadValue(m_hClassKey, valueName, oldList))
            return error;
    }
    MultiString newList;
    if (int error = add ? AddName(oldList, newList) : RemoveName(oldList, newList))
        return error;
    if (!newList.empty())
        return m_Keys.WriteMultiString(m_hClassKey, valueName, newList);
    // Nothing to delete is no failure: the value is as it should be.
    return present ? m_Keys.DeleteValue(m_hClassKey, valueName) : 0;
}

QV8FilterInstaller::QV8FilterInstaller(IDeviceClassKey& keys)
    : CClassFilterInstaller(keys, kMouseSetupClass, kServiceName, kDriverFile)
{
}

int QV8FilterInstaller::WantUpperFilter(FilterItem) { return 0; }
int QV8FilterInstaller::WantLowerFilter(FilterItem) { return 1; }

} // namespace vardex
