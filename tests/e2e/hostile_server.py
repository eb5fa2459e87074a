# A server on loopback that never answers (silent), sends 100 MB (huge) or garbage (garbage);
# prints its port. Usage: hostile_server.py MODE
import socket, sys, threading
mode = sys.argv[1]
server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen()
print(server.getsockname()[1], flush=True)
held = []
def serve(c):
    try:
        c.recv(65536)
        if mode == "huge":
            c.sendall(b"HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n")
            line = b"node_cpu_seconds_total{cpu=\"0\",mode=\"idle\"} 1\n" * 1000
            for _ in range(100_000_000 // len(line)):
                c.sendall(line)
        elif mode == "garbage":
            c.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: 4096\r\n\r\n" + bytes(range(256)) * 16)
        c.close()
    except OSError:
        pass  # the reader gave up, as it should
while True:
    c, _ = server.accept()
    held.append(c)
    if mode != "silent":
        threading.Thread(target=serve, args=(c,), daemon=True).start()
