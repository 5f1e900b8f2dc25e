"""What the documentation tests found: each fault on a line of its own, and the exit code."""


def report(faults):
    for fault in faults:
        print(fault)
    return 1 if faults else 0
