'''A UDisks2 stand-in for python3-dbusmock: a manager that resolves the
drives it is given and block devices whose file systems mount where the
test says.

Parameters (JSON):
  mountable: {device: folder} drives whose file system mounts on folder
  blank:     [device]         drives without a file system (empty, audio CD)
'''

import dbus
import dbusmock

BUS_NAME = 'org.freedesktop.UDisks2'
MAIN_OBJ = '/org/freedesktop/UDisks2/Manager'
MAIN_IFACE = 'org.freedesktop.UDisks2.Manager'
SYSTEM_BUS = True

BLOCK_IFACE = 'org.freedesktop.UDisks2.Block'
FILESYSTEM_IFACE = 'org.freedesktop.UDisks2.Filesystem'


def load(mock, parameters):
    mountable = parameters.get('mountable', {})
    blank = parameters.get('blank', [])
    blocks = {}
    for device in list(mountable) + list(blank):
        path = '/org/freedesktop/UDisks2/block_devices/' + device.rsplit('/', 1)[-1]
        blocks[device] = path
        mock.AddObject(path, BLOCK_IFACE,
                       {'Device': dbus.ByteArray(device.encode() + b'\0')}, [])
        if device in mountable:
            dbusmock.get_object(path).AddMethod(
                FILESYSTEM_IFACE, 'Mount', 'a{sv}', 's', 'ret = %r' % mountable[device])
    # Method code runs at the top level of an exec: no comprehension sees args.
    mock.AddMethod(MAIN_IFACE, 'ResolveDevice', 'a{sv}a{sv}', 'ao',
                   'ret = []\n'
                   'path = %r.get(str(args[0].get("path", "")))\n'
                   'if path:\n'
                   '    ret.append(dbus.ObjectPath(path))' % blocks)
