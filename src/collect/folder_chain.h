#pragma once
// The chain of folders from a walk's start down to the folder being read. However deep the
// walk goes, only a few of them hold a descriptor: a folder whose descriptor was given up is
// opened again from the nearest open folder above it when the walk comes back to it.
#include <QByteArray>
#include <vector>

class FolderChain {
public:
    // The start is opened at once; current() tells whether that worked.
    explicit FolderChain(const QByteArray &start);
    ~FolderChain();
    FolderChain(const FolderChain &) = delete;
    FolderChain &operator=(const FolderChain &) = delete;

    // Descriptor of the deepest folder; -1 with errno set when it cannot be opened (again).
    int current();
    // Goes down into a subfolder of the deepest folder; a link is not followed. false with
    // errno set when it cannot be opened, and the chain stays as it was.
    bool enter(const QByteArray &name);
    // Goes back up one folder.
    void leave();
    // The deepest folder's path: the start and every name entered.
    QByteArray path() const;

    // Most descriptors a chain holds at once.
    static constexpr int MaxOpen = 16;

private:
    struct Level {
        QByteArray name; // the start's path for the first level
        int fd = -1;
    };
    void giveUpOne();
    void closeLevel(Level &level);

    std::vector<Level> m_levels;
    int m_open = 0;
};
