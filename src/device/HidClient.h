// CHidClient: the table of HID devices that match an id filter, and simple whole-
// report I/O on its entries. The table is rebuilt from scratch by every
// CreateDeviceTable call and keeps the system's enumeration order.
#pragma once

#include "platform/HidSystem.h"
#include "platform/MessageBox.h"

#include <string>
#include <vector>

namespace vardex {

// One accepted vendor/product pair.
struct SUsbId {
    unsigned short vid;
    unsigned short pid;
};

class CHidClient {
public:
    static constexpr int kMaxDevices = 127;
    static constexpr std::size_t kPathChars = 1023; // a table path holds at most this many
    static constexpr std::size_t kReadBufferSize = 256;

    CHidClient(IHidSystem& hid, IMessageBox& messageBox);
    CHidClient(const CHidClient& other);
    CHidClient& operator=(const CHidClient& other);
    virtual ~CHidClient();

    // Loads whichever of the two system libraries is not loaded; 1 when both are.
    int LoadDll();
    int LibrariesPresent() const { return m_LibrariesPresent; }
    const SGuid& InterfaceClass() const { return m_InterfaceClass; }

    // Each returns 1 when at least one device was entered, else 0.
    int CreateDeviceTable(unsigned short vid, unsigned short pid, bool mouseClass);
    int CreateDeviceTable(const unsigned short* releases, int n);
    int CreateDeviceTable(const SUsbId* ids, int n);
    int CreateDeviceTable(const SUsbId* ids, int n, unsigned short low, unsigned short high);
    int CreateDeviceTable(const SUsbId* ids, int n, unsigned short low, unsigned short high,
                          unsigned short release);
    int CreateDeviceTable(const SUsbId* ids, int n, const unsigned short* releases, int m);

    int GetRecognizedDevices() const { return static_cast<int>(m_Table.size()); }
    // Null when i is not below the device count.
    const wchar_t* GetDevice(int i) const;
    const wchar_t* GetDeviceName(int i) const;
    const wchar_t* GetVendorName(int i) const;
    const wchar_t* GetDeviceID(int i) const;
    // 0xFFFF when i is not below the device count.
    unsigned short GetDeviceVID(int i) const;
    unsigned short GetDevicePID(int i) const;
    unsigned short GetDeviceVer(int i) const;

    HidHandle Open(int i);
    int Close(HidHandle h);
    int Write(int i, const void* report, unsigned long length);
    int Read(int i, void* report, unsigned long length);
    int ReadInputReport(int i, void* buffer, unsigned long& length);
    // Reads from an open handle into a kReadBufferSize-byte buffer; the byte count.
    int Read(HidHandle h, void* buffer);

    // Shared by every object: the next call of the same method overwrites the text.
    const wchar_t* Id2ProductString(HidHandle h);
    const wchar_t* Id2ManufactureString(HidHandle h);
    static const wchar_t* Id2String(unsigned short vid, unsigned short pid);

    static int IsOrlinProduct(unsigned short vid, unsigned short pid);

    int RegisterNotify(WindowHandle window);
    int UnRegisterNotify();
    int ReRegisterNotify(WindowHandle window);
    int RecoverRegisterNotify();
    NotifyHandle Notification() const { return m_Notification; }
    WindowHandle NotificationRecipient() const { return m_Recipient; }

    // Shows the table in a message box: 0 everything, 1 paths, 2 products, 3 ids,
    // 4 every field of every entry.
    void ShowCurrentTable(int what);
    // The text ShowCurrentTable shows.
    std::wstring DescribeTable(int what) const;

private:
    struct SEntry {
        std::wstring path;
        std::wstring product;
        std::wstring manufacturer;
        std::wstring id;
        unsigned short release;
        unsigned short vid;
        unsigned short pid;
    };
    enum class EPathTest { kNone, kSkipExtraCollection };

    template <typename AttributeTest>
    int Enumerate(const SGuid& cls, EPathTest pathTest, AttributeTest accept);
    const SEntry* Entry(int i) const;
    void AcquireLibraries();
    void ReleaseLibraries();
    // Opens entry i for a transfer, with the "Open failed" box when that fails.
    HidHandle OpenForTransfer(int i);

    IHidSystem* m_Hid;
    IMessageBox* m_MessageBox;
    bool m_HidLoaded = false;
    bool m_SetupLoaded = false;
    int m_LibrariesPresent = 0;
    SGuid m_InterfaceClass = kMouseInterfaceClass;
    NotifyHandle m_Notification = 0;
    WindowHandle m_Recipient = 0;
    std::vector<SEntry> m_Table;
};

} // namespace vardex
