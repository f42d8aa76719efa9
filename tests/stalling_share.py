#!/usr/bin/python3
# A read-only share that stops answering on request: mounts SOURCE at MOUNTPOINT and serves it
# as it is until the file STALL_FLAG exists; from then on every call waits until the flag is
# gone, as a network share does whose server went away.
# Usage: stalling_share.py SOURCE STALL_FLAG MOUNTPOINT [-f]
import errno
import os
import sys
import time

import fuse

fuse.fuse_python_api = (0, 2)

SOURCE, FLAG = sys.argv[1], sys.argv[2]
del sys.argv[1:3]


def wait_while_stalled():
    while os.path.exists(FLAG):
        time.sleep(0.05)


class StallingShare(fuse.Fuse):
    def _real(self, path):
        return os.path.join(SOURCE, path.lstrip('/'))

    def getattr(self, path):
        wait_while_stalled()
        try:
            return os.lstat(self._real(path))
        except OSError as error:
            return -error.errno

    def readdir(self, path, offset):
        wait_while_stalled()
        for name in ['.', '..'] + os.listdir(self._real(path)):
            yield fuse.Direntry(name)

    def open(self, path, flags):
        wait_while_stalled()
        if flags & (os.O_WRONLY | os.O_RDWR):
            return -errno.EROFS
        return 0 if os.path.exists(self._real(path)) else -errno.ENOENT

    def read(self, path, size, offset):
        wait_while_stalled()
        with open(self._real(path), 'rb') as source:
            source.seek(offset)
            return source.read(size)

    def statfs(self):
        wait_while_stalled()
        return os.statvfs(SOURCE)


if __name__ == '__main__':
    server = StallingShare()
    server.multithreaded = True
    server.parse(errex=1)
    server.main()
