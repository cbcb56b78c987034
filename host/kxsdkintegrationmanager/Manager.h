#pragma once

namespace kestrix::sdk::integration {

class WindowsPrintingManagerInterface;

class Manager {
public:
    static Manager& getInstance();
    // The host's printing manager; null when the host offers none.
    WindowsPrintingManagerInterface* getPrintingManager() const;
    void setPrintingManager(WindowsPrintingManagerInterface* manager);

    Manager(const Manager&) = delete;
    Manager& operator=(const Manager&) = delete;

private:
    Manager() = default;
    WindowsPrintingManagerInterface* m_printingManager = nullptr;
};

} // namespace kestrix::sdk::integration
